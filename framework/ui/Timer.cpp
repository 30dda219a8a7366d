#include "Timer.h"

#include "../runtime/ClassInfo.h"
#include "../runtime/Runtime.h"

namespace fw {

namespace {

constexpr MethodInfo kMethods[] = {
    {"addActionNotificationReceiver", "( actionNotificationReceiver )"},
    {"removeActionNotificationReceiver", "( actionNotificationReceiver )"},
    {"Reset", "(  )"},
    {"_CallAction", "(  )", "Hidden"},
};

constexpr PropertyInfo kProperties[] = {
    Property<&Timer::SetMode>("Mode"),
    Property<&Timer::SetPeriod>("Period"),
    Property<&Timer::SetEnabled>("Enabled"),
};

constexpr std::string_view kInterfaces[] = {"actionSource"};

}  // namespace

const ClassInfo& Timer::Description() {
  static const ClassInfo info{.name = "Timer",
                              .base = &Object::Description(),
                              .properties = kProperties,
                              .events = kOwnEvents,
                              .methods = kMethods,
                              .interfaces = kInterfaces,
                              .create = &Create<Timer>};
  return info;
}
const ClassInfo& Timer::Class() const { return Description(); }

Timer::Timer() : call_([this] { Fire(); }) {}

void Timer::SetMode(std::int64_t mode) {
  mode_ = mode;
  Rearm();
}

void Timer::SetPeriod(std::int64_t period) {
  period_ = period;
  Rearm();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Rearm();
}

void Timer::Reset() { Rearm(); }

void Timer::Rearm() {
  if (enabled_ && (mode_ == ModeSingle || mode_ == ModeMultiple)) {
    call_.Start(period_);
  } else {
    call_.Stop();
  }
}

void Timer::Fire() {
  Ref<Object> protector = SelfOrNil();
  if (mode_ == ModeSingle) {
    mode_ = ModeOff;
  } else if (mode_ == ModeMultiple) {
    call_.Start(period_);
  }
  Dispatch([&] { RaiseEvent(EventPositionOf(kEventTable, "Timer.Action"), SelfOrNil()); });
}

}  // namespace fw
