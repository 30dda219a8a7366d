#include "Application.h"

#include "../runtime/ClassInfo.h"
#include "../runtime/Runtime.h"
#include "MenuItem.h"

namespace fw {

namespace {

constexpr MethodInfo kMethods[] = {
    {"AddTrayItem", "( TrayItem )"},
    {"DoEvents", "( Integer )"},
    {"NewDocument", "(  )"},
    {"OpenDocument", "( FolderItem )"},
    {"RemoveTrayItem", "( TrayItem )"},
    {"SleepCurrentThread", "( Integer )"},
    {"YieldToNextThread", "(  )"},
    {"_AddMenuHandler", "( String, Ptr )", "Hidden"},
    {"_AddPollableObject", "( Object )", "Hidden"},
    {"_DependencyList", "(  ) as Object", "Hidden"},
    {"_DoSingleEvent", "(  )", "Hidden"},
    {"_RemovePollableObject", "( Object )", "Hidden"},
    {"_x_SetVersionData", "( Ptr )", "Hidden"},
    {"MenuBar", "(  ) as MenuBar"},
    {"MenuBar", "( MenuBar )"},
    {"_SetSupportsHiDPI", "( Boolean )", "Hidden"},
    {"Quit", "( Integer )"},
};

constexpr PropertyInfo kProperties[] = {
    Field("MenuBar", PropertyType::Object),
};

}  // namespace

const ClassInfo& Application::Description() {
  static const ClassInfo info{.name = "Application",
                              .base = &Object::Description(),
                              .properties = kProperties,
                              .events = kOwnEvents,
                              .methods = kMethods,
                              .create = &Create<Application>};
  return info;
}

const ClassInfo& Application::Class() const { return Description(); }

Ref<fw::MenuBar> Application::MenuBar() const {
  CheckMainThread();
  return menuBar_;
}

void Application::SetMenuBar(Ref<fw::MenuBar> bar) {
  CheckMainThread();
  menuBar_ = std::move(bar);
}

// Qt 6 always scales for high-resolution displays; the declaration asks for nothing more.
void Application::_SetSupportsHiDPI(bool) {}

}  // namespace fw
