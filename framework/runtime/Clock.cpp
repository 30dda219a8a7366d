#include "Clock.h"

#include <QTimer>
#include <algorithm>
#include <chrono>
#include <vector>

namespace fw {

namespace {

struct ManualClock {
  int scopes = 0;
  std::int64_t now = 0;
  std::vector<ScheduledCall::Backend*> calls;
};

ManualClock& Manual() {
  static ManualClock clock;
  return clock;
}

}  // namespace

struct ScheduledCall::Backend {
  using Steady = std::chrono::steady_clock;

  std::function<void()> action;
  QTimer timer;  // real time
  Steady::time_point deadline{};
  bool manual = false;  // manual clock
  bool active = false;
  std::int64_t due = 0;

  void StartTimer(std::int64_t milliseconds) { timer.start(static_cast<int>(milliseconds)); }

  void TimerExpired() {
    // NOTE: the call must never come before its time; should the timer wake
    // early all the same, it waits out the rest (rounded up to a millisecond).
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Steady::now()).count();
    if (left > 0) return StartTimer(left);
    Fire();
  }

  void Fire() {
    active = false;
    action();
  }
};

ScheduledCall::ScheduledCall(std::function<void()> action) : backend_(std::make_unique<Backend>()) {
  backend_->action = std::move(action);
  backend_->manual = Manual().scopes > 0;
  backend_->timer.setSingleShot(true);
  // A coarse timer may fire up to 5 % early.
  backend_->timer.setTimerType(Qt::PreciseTimer);
  Backend* b = backend_.get();
  QObject::connect(&backend_->timer, &QTimer::timeout, [b] { b->TimerExpired(); });
  if (b->manual) Manual().calls.push_back(b);
}

ScheduledCall::~ScheduledCall() {
  if (backend_->manual) std::erase(Manual().calls, backend_.get());
}

void ScheduledCall::Start(std::int64_t milliseconds) {
  milliseconds = std::max<std::int64_t>(milliseconds, 0);
  backend_->active = true;
  if (backend_->manual) {
    backend_->due = Manual().now + milliseconds;
  } else {
    milliseconds = std::min<std::int64_t>(milliseconds, INT32_MAX);
    backend_->deadline = Backend::Steady::now() + std::chrono::milliseconds(milliseconds);
    backend_->StartTimer(milliseconds);
  }
}

void ScheduledCall::Stop() {
  backend_->active = false;
  backend_->timer.stop();
}

bool ScheduledCall::Active() const { return backend_->active; }

namespace clock {

ManualClockScope::ManualClockScope() { ++Manual().scopes; }
ManualClockScope::~ManualClockScope() { --Manual().scopes; }

void AdvanceClock(std::int64_t milliseconds) {
  ManualClock& clock = Manual();
  const std::int64_t target = clock.now + milliseconds;
  for (;;) {
    ScheduledCall::Backend* next = nullptr;
    for (auto* call : clock.calls) {
      if (call->active && call->due <= target && (!next || call->due < next->due)) next = call;
    }
    if (!next) break;
    clock.now = next->due;
    // NOTE: the action may destroy the call or start others; nothing of `next` is used after it.
    next->Fire();
  }
  clock.now = target;
}

std::int64_t NextDueIn() {
  std::int64_t best = -1;
  for (auto* call : Manual().calls) {
    if (call->active && (best < 0 || call->due - Manual().now < best)) best = call->due - Manual().now;
  }
  return best;
}

int ActiveCalls() {
  return static_cast<int>(
      std::count_if(Manual().calls.begin(), Manual().calls.end(), [](auto* c) { return c->active; }));
}

}  // namespace clock

}  // namespace fw
