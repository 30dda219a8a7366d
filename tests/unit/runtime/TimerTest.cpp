#include <gtest/gtest.h>

#include "runtime/Clock.h"
#include "runtime/Runtime.h"
#include "ui/Timer.h"

namespace {

using namespace fw;

class Counter : public Object {
 public:
  void Action(Ref<Timer>) { ++fired; }
  int fired = 0;
};

class TimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    timer = std::make_shared<Timer>();
    timer->AddEventHandler(EventPosition(timer->Class(), "Timer.Action"),
                           Delegate(counter, &Counter::Action, "( Timer )", 1));
  }
  clock::ManualClockScope manualClock;
  Ref<Timer> timer;
  Ref<Counter> counter = std::make_shared<Counter>();
};

TEST_F(TimerTest, ModeOneFiresOncePerArmAfterThePeriod) {
  timer->SetMode(Timer::ModeOff);
  timer->SetPeriod(15000);
  clock::AdvanceClock(60000);
  EXPECT_EQ(counter->fired, 0) << "mode 0 never fires";

  timer->SetEnabled(false);
  timer->SetMode(Timer::ModeSingle);
  clock::AdvanceClock(60000);
  EXPECT_EQ(counter->fired, 0) << "disabled";

  timer->SetEnabled(true);
  clock::AdvanceClock(14999);
  EXPECT_EQ(counter->fired, 0);
  clock::AdvanceClock(1);
  EXPECT_EQ(counter->fired, 1);
  clock::AdvanceClock(60000);
  EXPECT_EQ(counter->fired, 1) << "one Action per arm";
  EXPECT_EQ(timer->Mode(), Timer::ModeOff);

  timer->SetMode(Timer::ModeSingle);
  timer->SetEnabled(true);
  clock::AdvanceClock(15000);
  EXPECT_EQ(counter->fired, 2) << "armed again";
}

TEST_F(TimerTest, ModeTwoRepeatsAndDisablingStopsIt) {
  timer->SetPeriod(100);
  timer->SetMode(Timer::ModeMultiple);
  clock::AdvanceClock(350);
  EXPECT_EQ(counter->fired, 3);
  timer->SetEnabled(false);
  clock::AdvanceClock(1000);
  EXPECT_EQ(counter->fired, 3);
  EXPECT_EQ(clock::NextDueIn(), -1);
}

}  // namespace
