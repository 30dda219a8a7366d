#include "MainMenuBar.h"

#include <optional>
#include <string_view>

#include "runtime/ClassInfo.h"
#include "runtime/Finalizers.h"
#include "runtime/Runtime.h"

fw::Ref<MainMenuBar> MainMenuBar::_implicitInstance;

namespace {

constexpr fw::MethodInfo kMethods[] = {
    {"Constructor", "(  )"},
    {"Untitled0", "(  )"},
    {"Untitled1", "(  )"},
};

constexpr std::string_view kTheBar{};

// One row of the menu tree: its class, its parent menu (kTheBar for a
// top-level menu), name, caption and shortcut (nullopt: never set).
struct MenuRow {
  const fw::ClassInfo& (*cls)();
  std::string_view parent;
  std::string_view name;
  std::string_view text;
  std::optional<std::string_view> shortcut;
};

constexpr MenuRow kFileMenu[] = {
    {&fw::MenuItem::Description, kTheBar, "FileMenu", "&File", ""},
    {&fw::QuitMenuItem::Description, "FileMenu", "FileQuit", "&Quit", "Cmd+Q"},
};

constexpr MenuRow kEditMenu[] = {
    {&fw::MenuItem::Description, kTheBar, "EditMenu", "&Edit", ""},
    {&fw::MenuItem::Description, "EditMenu", "EditUndo", "&Undo", "Cmd+Z"},
    {&fw::MenuItem::Description, "EditMenu", "EditSeparator1", "-", std::nullopt},
    {&fw::MenuItem::Description, "EditMenu", "EditCut", "Cu&t", "Cmd+X"},
    {&fw::MenuItem::Description, "EditMenu", "EditCopy", "&Copy", "Cmd+C"},
    {&fw::MenuItem::Description, "EditMenu", "EditPaste", "&Paste", "Cmd+V"},
    {&fw::MenuItem::Description, "EditMenu", "EditClear", "&Delete", ""},
    {&fw::MenuItem::Description, "EditMenu", "EditSeparator2", "-", std::nullopt},
    {&fw::MenuItem::Description, "EditMenu", "EditSelectAll", "Select &All", "Cmd+A"},
};

// Builds one item with all its properties, then attaches it: a top-level menu
// to the bar, any other item to its menu, looked up afresh by name.
void BuildItem(fw::MenuBar& bar, const MenuRow& row) {
  auto item = fw::RuntimeCheckCast<fw::MenuItem>(fw::RuntimeNewObject(row.cls()));
  item->Constructor();
  item->SetName(std::string(row.name));
  item->SetAutoEnable(true);
  item->SetText(std::string(row.text));
  item->SetVisible(true);
  if (row.shortcut) item->SetKeyboardShortcut(std::string(*row.shortcut));
  if (row.parent == kTheBar) {
    bar.Append(item);
  } else {
    fw::Deref(bar.Child(row.parent)).Append(item);
  }
}

}  // namespace

const fw::ClassInfo& MainMenuBar::Description() {
  static const fw::ClassInfo info{.name = "MainMenuBar",
                                  .base = &fw::MenuBar::Description(),
                                  .methods = kMethods,
                                  .create = &fw::Create<MainMenuBar>};
  return info;
}

const fw::ClassInfo& MainMenuBar::Class() const { return Description(); }

fw::Ref<MainMenuBar> MainMenuBar::ImplicitInstance() {
  if (_implicitInstance) return _implicitInstance;
  auto bar = fw::RuntimeCheckCast<MainMenuBar>(fw::RuntimeNewObject(Description()));
  bar->Constructor();  // an exception leaves the slot nil; the next call starts afresh
  _implicitInstance = bar;
  // The bar lives as long as the process; the runtime's finalisers let it go with Qt still up.
  fw::RuntimeAddFinalizer([] { _implicitInstance.reset(); });
  return bar;
}

void MainMenuBar::Constructor() {
  Untitled0();
  Untitled1();
}

void MainMenuBar::Untitled0() {
  for (const MenuRow& row : kFileMenu) BuildItem(*this, row);
}

void MainMenuBar::Untitled1() {
  for (const MenuRow& row : kEditMenu) BuildItem(*this, row);
}
