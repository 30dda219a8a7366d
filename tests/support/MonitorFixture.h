#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdint>
#include <optional>

#include "runtime/Clock.h"
#include "runtime/Color.h"
#include "runtime/Object.h"
#include "win_MainWindow.h"

namespace tembrel::test {

// The light's two colours, and the time from one check's end to the next.
constexpr fw::Color kOn{0xFB2A32}, kOff{0x360E0F};
constexpr std::int64_t kPeriod = 15000;

// A named accessor of the window as a plain function, for tables of accessors.
template <auto Accessor>
fw::Ref<fw::Object> CallAccessor(win_MainWindow& window) {
  return (window.*Accessor)();
}

// A main window made as start-up makes it, with the manual clock, a private
// temporary folder, and its first check (to the built-in loopback address)
// already ended.
class MonitorTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Points the probe of the next checks at `probePort` on loopback, and their
  // request at `requestPort` (the probe's port when not given).
  void PointAt(std::uint16_t probePort, std::optional<std::uint16_t> requestPort = std::nullopt);
  // Lets the timer start the next check, then runs it until it has ended.
  void RunNextCheck();
  // Runs the event loop until the check in progress has ended and re-armed the timer.
  void WaitForCheckToEnd();
  // Files in the private temporary folder.
  int TemporaryFiles() const;

  fw::clock::ManualClockScope manualClock;
  fw::Ref<win_MainWindow> window;
  QTemporaryDir tempDir;
};

}  // namespace tembrel::test
