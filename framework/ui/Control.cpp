#include "Control.h"

#include "../runtime/ClassInfo.h"

namespace fw {

namespace {

constexpr EventInfo kEvents[] = {{"Close"}, {"Destroy"}, {"Open"}};

constexpr PropertyInfo kProperties[] = {
    Property<&Control::SetName>("Name"),
    Property<&Control::SetIndex>("Index"),
    Property<&Control::SetTabPanelIndex>("TabPanelIndex"),
};

}  // namespace

const ClassInfo& Control::Description() {
  static const ClassInfo info{
      .name = "Control", .base = &Object::Description(), .properties = kProperties, .events = kEvents};
  return info;
}
const ClassInfo& Control::Class() const { return Description(); }

void Control::_Open() { RaiseEvent(EventPosition(Class(), "Control.Open"), SelfOrNil()); }

}  // namespace fw
