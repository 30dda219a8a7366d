// Compiled, not run, by the tests: once as it is, and once with a misspelt
// name in each of the two places where code names an event, which must then
// fail to compile.
#include "runtime/ClassInfo.h"
#include "ui/Window.h"

#ifndef RAISED_EVENT
#define RAISED_EVENT "Window.Open"
#endif
#ifndef HANDLED_EVENT
#define HANDLED_EVENT "Window.Paint"
#endif

namespace {

class Probe : public fw::Window {
 public:
  void Raise() { RaiseEvent(fw::EventPositionOf(kEventTable, RAISED_EVENT)); }
  void Handle() {}
};

[[maybe_unused]] constexpr fw::ClassEventHandler kRow = fw::HandlesEvent<&Probe::Handle>(HANDLED_EVENT);

}  // namespace
