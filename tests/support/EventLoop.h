#pragma once

#include <functional>

namespace tembrel::test {

// Runs the event loop until `done` holds or the watchdog runs out (real
// time; it only keeps a broken test from hanging). Returns whether `done` held.
bool RunUntil(const std::function<bool()>& done, int watchdogMs = 10000);

// Runs the event loop for about `ms` of real time, for "nothing more happens" checks.
void RunFor(int ms);

}  // namespace tembrel::test
