#pragma once

#include <functional>
#include <memory>

class QTimer;

namespace tembrel::test {

// Runs the event loop until `done` holds or the watchdog runs out (real
// time; it only keeps a broken test from hanging). Returns whether `done` held.
bool RunUntil(const std::function<bool()>& done, int watchdogMs = 10000);

// Runs the event loop for about `ms` of real time, for "nothing more happens" checks.
void RunFor(int ms);

// While it lives, an application event loop that runs for more than `ms` of
// real time is quit with status 99, so that a broken test fails instead of hanging.
class LoopWatchdog {
 public:
  explicit LoopWatchdog(int ms = 10000);
  ~LoopWatchdog();

 private:
  std::unique_ptr<QTimer> timer_;
};

}  // namespace tembrel::test
