#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "EventLoop.h"
#include "runtime/ClassInfo.h"
#include "runtime/Clock.h"
#include "ui/Timer.h"

namespace {

using namespace fw;
using Steady = std::chrono::steady_clock;

// Notes when each of its timers gives its Action.
class Stopwatch : public Object {
 public:
  void Action(Ref<Timer> timer) { fired.emplace_back(timer, Steady::now()); }
  std::vector<std::pair<Ref<Timer>, Steady::time_point>> fired;
};

// On the real clock (no manual clock scope is alive here). Only the
// lower bound is asserted: a loaded machine may always be late.
TEST(TimerOnTheRealClock, NoActionComesBeforeItsPeriod) {
  auto stopwatch = std::make_shared<Stopwatch>();
  struct Armed {
    Ref<Timer> timer;
    std::int64_t period;
    Steady::time_point armedAt;
  };
  std::vector<Armed> armed;
  // Periods of many lengths, so that no rounding of the wake-up times can hide.
  for (std::int64_t period = 60; period <= 250; period += 7) {
    auto timer = std::make_shared<Timer>();
    timer->AddEventHandler(EventPosition(timer->Class(), "Timer.Action"),
                           Delegate(stopwatch, &Stopwatch::Action, "( Timer )", 1));
    timer->SetPeriod(period);
    armed.push_back({timer, period, Steady::now()});
    timer->SetMode(Timer::ModeSingle);
  }
  ASSERT_TRUE(tembrel::test::RunUntil([&] { return stopwatch->fired.size() == armed.size(); }));
  for (const auto& fired : stopwatch->fired) {
    auto it = std::find_if(armed.begin(), armed.end(), [&](const Armed& a) { return a.timer == fired.first; });
    ASSERT_NE(it, armed.end());
    EXPECT_GE(fired.second - it->armedAt, std::chrono::milliseconds(it->period)) << "period " << it->period << " ms";
  }
}

TEST(ScheduledCallOnTheRealClock, AStoppedCallNeverComes) {
  bool stoppedCame = false, laterCame = false;
  ScheduledCall stopped([&] { stoppedCame = true; });
  ScheduledCall later([&] { laterCame = true; });
  stopped.Start(20);
  later.Start(100);
  stopped.Stop();
  ASSERT_TRUE(tembrel::test::RunUntil([&] { return laterCame; }));
  EXPECT_FALSE(stoppedCame);
  EXPECT_FALSE(stopped.Active());
}

// The manual clock holds the calls made while its scope lives, and no others.
TEST(ManualClockScope, OnlyCallsMadeWhileItLivesWaitForTheManualClock) {
  bool manualFired = false, realFired = false;
  auto scope = std::make_unique<clock::ManualClockScope>();
  ScheduledCall manual([&] { manualFired = true; });
  scope.reset();
  ScheduledCall real([&] { realFired = true; });
  manual.Start(1);
  real.Start(1);
  ASSERT_TRUE(tembrel::test::RunUntil([&] { return realFired; }));
  EXPECT_FALSE(manualFired);
  clock::AdvanceClock(1);
  EXPECT_TRUE(manualFired);
}

}  // namespace
