#include "WeakRef.h"

#include "ClassInfo.h"

namespace fw {

const ClassInfo& WeakRef::Description() {
  static const ClassInfo info{.name = "WeakRef", .base = &Object::Description(), .create = &Create<WeakRef>};
  return info;
}

const ClassInfo& WeakRef::Class() const { return Description(); }

}  // namespace fw
