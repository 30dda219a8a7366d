#include "Control.h"

#include "../runtime/ClassInfo.h"

namespace fw {

namespace {

constexpr PropertyInfo kProperties[] = {
    Property<&Control::SetName>("Name"),
    Property<&Control::SetIndex>("Index"),
    Property<&Control::SetTabPanelIndex>("TabPanelIndex"),
};

}  // namespace

const ClassInfo& Control::Description() {
  static const ClassInfo info{
      .name = "Control", .base = &Object::Description(), .properties = kProperties, .events = kOwnEvents};
  return info;
}
const ClassInfo& Control::Class() const { return Description(); }

void Control::_Open() { RaiseEvent(EventPositionOf(kEventTable, "Control.Open"), SelfOrNil()); }

}  // namespace fw
