#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace fw {

// A call that runs once, a number of milliseconds after it is started, on the
// main thread's event loop. Timers and the sockets' time limits use it, so
// that tests can run the clock by hand instead of waiting.
class ScheduledCall {
 public:
  explicit ScheduledCall(std::function<void()> action);
  ~ScheduledCall();
  ScheduledCall(const ScheduledCall&) = delete;
  ScheduledCall& operator=(const ScheduledCall&) = delete;

  // (Re)starts the countdown; a call already counting down is replaced.
  void Start(std::int64_t milliseconds);
  void Stop();
  bool Active() const;

  struct Backend;

 private:
  std::unique_ptr<Backend> backend_;
};

namespace clock {

// While one lives, every ScheduledCall made waits for AdvanceClock instead of
// real time; a call keeps the clock it was made with.
class ManualClockScope {
 public:
  ManualClockScope();
  ~ManualClockScope();
  ManualClockScope(const ManualClockScope&) = delete;
  ManualClockScope& operator=(const ManualClockScope&) = delete;
};
// Moves the manual clock on, running each call that falls due, in order of due time.
void AdvanceClock(std::int64_t milliseconds);
// Milliseconds until the next call falls due, or -1 when none is counting down.
std::int64_t NextDueIn();
int ActiveCalls();

}  // namespace clock

}  // namespace fw
