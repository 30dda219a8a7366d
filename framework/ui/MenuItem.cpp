#include "MenuItem.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "../runtime/ClassInfo.h"
#include "../runtime/Runtime.h"
#include "MenuDispatch.h"
#include "UIObject.h"

namespace fw {

namespace {

constexpr MethodInfo kMethods[] = {
    {"Append", "( MenuItem )"},
    {"Child", "( String ) as MenuItem"},
    {"Clone", "(  ) as MenuItem"},
    {"Close", "(  )"},
    {"Constructor", "(  )"},
    {"Count", "(  ) as Integer"},
    {"Enable", "(  )"},
    {"Insert", "( Integer, MenuItem )"},
    {"Item", "( Integer ) as MenuItem"},
    {"Remove", "( Integer )"},
    {"_Lookup", "( String ) as MenuItem", "Hidden"},
};

constexpr PropertyInfo kProperties[] = {
    Property<&MenuItem::SetName>("Name"),
    Property<&MenuItem::SetText>("Text"),
    Property<&MenuItem::SetKeyboardShortcut>("KeyboardShortcut"),
    Property<&MenuItem::SetAutoEnable>("AutoEnable"),
    Property<&MenuItem::SetVisible>("Visible"),
};

}  // namespace

const ClassInfo& MenuItem::Description() {
  static const ClassInfo info{.name = "MenuItem",
                              .base = &Object::Description(),
                              .properties = kProperties,
                              .events = kOwnEvents,
                              .methods = kMethods,
                              .create = &Create<MenuItem>};
  return info;
}
const ClassInfo& MenuItem::Class() const { return Description(); }

const ClassInfo& QuitMenuItem::Description() {
  static const ClassInfo info{
      .name = "QuitMenuItem", .base = &MenuItem::Description(), .create = &Create<QuitMenuItem>};
  return info;
}
const ClassInfo& QuitMenuItem::Class() const { return Description(); }

const ClassInfo& MenuBar::Description() {
  static const ClassInfo info{.name = "MenuBar", .base = &MenuItem::Description(), .create = &Create<MenuBar>};
  return info;
}
const ClassInfo& MenuBar::Class() const { return Description(); }

MenuItem::MenuItem() : action_(NewUIObject<QAction>()) {
  QObject::connect(action_.get(), &QAction::triggered, [this] {
    Ref<Object> protector = SelfOrNil();
    Dispatch([this] { Chosen(); });
  });
}

MenuItem::~MenuItem() = default;

void MenuItem::SetName(std::string name) {
  CheckMainThread();
  name_ = std::move(name);
}

void MenuItem::SetText(std::string text) {
  CheckMainThread();
  text_ = std::move(text);
  UpdateAction();
}

void MenuItem::SetKeyboardShortcut(std::string shortcut) {
  CheckMainThread();
  shortcut_ = std::move(shortcut);
  UpdateAction();
}

void MenuItem::SetAutoEnable(bool value) {
  CheckMainThread();
  autoEnable_ = value;
}

void MenuItem::SetVisible(bool value) {
  CheckMainThread();
  visible_ = value;
  UpdateAction();
}

void MenuItem::UpdateAction() {
  const bool separator = text_ == "-";
  action_->setSeparator(separator);
  // Qt's menus draw a separator's text as a section title: a separator keeps none.
  action_->setText(separator ? QString() : QString::fromStdString(text_));
  action_->setShortcut(QKeySequence(QString::fromStdString(ShortcutForDesktop(shortcut_))));
  action_->setVisible(visible_);
}

void MenuItem::Append(const Ref<MenuItem>& child) {
  CheckMainThread();
  if (!child) throw NilObjectException();
  if (!menu_) {
    menu_ = std::make_unique<QMenu>();
    action_->setMenu(menu_.get());
  }
  menu_->addAction(child->_Action());
  children_.push_back(child);
}

Ref<MenuItem> MenuItem::Item(std::int64_t index) const {
  CheckMainThread();
  if (index < 0 || index >= Count()) throw RuntimeException("Menu item index out of bounds");
  return children_[static_cast<std::size_t>(index)];
}

Ref<MenuItem> MenuItem::Child(std::string_view name) const {
  CheckMainThread();
  for (const auto& child : children_) {
    if (child->Name() == name) return child;
  }
  return nullptr;
}

Ref<MenuItem> MenuItem::_Lookup(std::string_view name) const {
  CheckMainThread();
  for (const auto& child : children_) {
    if (child->Name() == name) return child;
    if (auto found = child->_Lookup(name)) return found;
  }
  return nullptr;
}

void MenuItem::Chosen() { DispatchMenuCommand(name_); }

void QuitMenuItem::Chosen() { Quit(0); }

std::string ShortcutForDesktop(std::string_view shortcut) {
  constexpr std::string_view kCommand = "Cmd+";
  std::string result(shortcut);
  for (auto pos = result.find(kCommand); pos != std::string::npos; pos = result.find(kCommand, pos)) {
    result.replace(pos, kCommand.size(), "Ctrl+");
  }
  return result;
}

}  // namespace fw
