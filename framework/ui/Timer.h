#pragma once

#include <cstdint>

#include "../runtime/Clock.h"
#include "../runtime/Object.h"

namespace fw {

// Raises Action Period milliseconds after it is armed: Mode 1 fires once and
// then turns itself off (Mode 0), Mode 2 fires every Period; nothing fires
// while Mode is 0 or Enabled is False. Setting Mode, Period or Enabled
// starts the countdown anew.
class Timer : public Object {
 public:
  static constexpr EventInfo kOwnEvents[] = {{"Action"}};
  static constexpr EventTable kEventTable{"Timer", &Object::kEventTable, kOwnEvents};

  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  enum Modes : std::int64_t { ModeOff = 0, ModeSingle = 1, ModeMultiple = 2 };

  Timer();

  std::int64_t Mode() const { return mode_; }
  void SetMode(std::int64_t mode);
  std::int64_t Period() const { return period_; }
  void SetPeriod(std::int64_t period);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  void Reset();

  // True while an Action is due.
  bool _Armed() const { return call_.Active(); }

 private:
  void Rearm();
  void Fire();

  std::int64_t mode_ = ModeOff;
  std::int64_t period_ = 1000;
  bool enabled_ = true;
  ScheduledCall call_;
};

// Handlers are attached by position: the list must not change.
static_assert(HasEventsInOrder(Timer::kEventTable, {"Timer.Action"}));

}  // namespace fw
