#include "OwnedControls.h"

#include "runtime/ClassInfo.h"
#include "runtime/Runtime.h"

namespace {

// Both classes declare the same two properties after their base's.
constexpr fw::PropertyInfo kProperties[] = {
    fw::Field("Index", fw::PropertyType::Integer),
    fw::Field("ownerWindow", fw::PropertyType::Object, "Hidden"),
};

// The four operations through which the window machinery reaches the object,
// then the class's constructor (the socket's replaces TCPSocket's; the timer's is new).
constexpr fw::MethodInfo kMethods[] = {
    {"_SetWindow", "( Window )", "Hidden"}, {"Window", "(  ) as Window"}, {"_Index", "(  ) as Integer", "Hidden"},
    {"_SetIndex", "( Integer )", "Hidden"}, {"Constructor", "(  )"},
};

constexpr std::string_view kSocketInterfaces[] = {"Writeable", "Readable", "_PaneChild"};
constexpr std::string_view kTimerInterfaces[] = {"actionSource", "_PaneChild"};

}  // namespace

const fw::ClassInfo& _wrapper_skt_TestOnlineSocket::Description() {
  static const fw::ClassInfo info{.name = "win_MainWindow._wrapper_skt_TestOnlineSocket",
                                  .base = &fw::TCPSocket::Description(),
                                  .properties = kProperties,
                                  .methods = kMethods,
                                  .interfaces = kSocketInterfaces,
                                  .create = &fw::Create<_wrapper_skt_TestOnlineSocket>};
  return info;
}
const fw::ClassInfo& _wrapper_skt_TestOnlineSocket::Class() const { return Description(); }

const fw::ClassInfo& _wrapper_tmr_LiveCheckTimer::Description() {
  static const fw::ClassInfo info{.name = "win_MainWindow._wrapper_tmr_LiveCheckTimer",
                                  .base = &fw::Timer::Description(),
                                  .properties = kProperties,
                                  .methods = kMethods,
                                  .interfaces = kTimerInterfaces,
                                  .create = &fw::Create<_wrapper_tmr_LiveCheckTimer>};
  return info;
}
const fw::ClassInfo& _wrapper_tmr_LiveCheckTimer::Class() const { return Description(); }
