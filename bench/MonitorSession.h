#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "Bench.h"
#include "runtime/Clock.h"
#include "runtime/Object.h"
#include "win_MainWindow.h"

namespace bench {

// tembrel's main window made in this process as start-up makes it, with the
// loopback build settings and the manual clock, its first check ended.
class MonitorSession {
 public:
  explicit MonitorSession(const char* programName);
  ~MonitorSession();
  MonitorSession(const MonitorSession&) = delete;
  MonitorSession& operator=(const MonitorSession&) = delete;

  win_MainWindow& Window() { return *window_; }
  // Points the probe and the request of the next checks at `port` on loopback.
  void PointAt(std::uint16_t port);
  // Lets the timer start the next check (its Action runs at once) and returns
  // the milliseconds until `ended` held, or nothing when it did not within 10 s.
  std::optional<double> TimeCheck(const std::function<bool()>& ended);
  // The check has ended: its handler ran and the timer is armed for the next one.
  bool CheckEnded() const;

 private:
  fw::clock::ManualClockScope manualClock_;
  fw::Ref<win_MainWindow> window_;
};

}  // namespace bench
