#include "SocketCore.h"

#include "../runtime/ClassInfo.h"

namespace fw {

namespace {

constexpr MethodInfo kMethods[] = {
    {"Close", "(  )"},
    {"Connect", "(  )"},
    {"Purge", "(  )"},
};

constexpr PropertyInfo kProperties[] = {
    Property<&SocketCore::SetPort>("Port"),
    Field("IsConnected", PropertyType::Boolean),
    Field("LastErrorCode", PropertyType::Integer),
    Field("BytesAvailable", PropertyType::Integer),
};

}  // namespace

const ClassInfo& SocketCore::Description() {
  static const ClassInfo info{.name = "SocketCore",
                              .base = &Object::Description(),
                              .properties = kProperties,
                              .events = kOwnEvents,
                              .methods = kMethods};
  return info;
}
const ClassInfo& SocketCore::Class() const { return Description(); }

}  // namespace fw
