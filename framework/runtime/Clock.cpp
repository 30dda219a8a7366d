#include "Clock.h"

#include <QTimer>

#include <algorithm>
#include <vector>

namespace fw {

namespace {

struct ManualClock {
  bool inUse = false;
  std::int64_t now = 0;
  std::vector<ScheduledCall::Backend*> calls;
};

ManualClock& Manual() {
  static ManualClock clock;
  return clock;
}

}  // namespace

struct ScheduledCall::Backend {
  std::function<void()> action;
  QTimer timer;        // real time
  bool manual = false; // manual clock
  bool active = false;
  std::int64_t due = 0;

  void Fire() {
    active = false;
    action();
  }
};

ScheduledCall::ScheduledCall(std::function<void()> action) : backend_(std::make_unique<Backend>()) {
  backend_->action = std::move(action);
  backend_->manual = Manual().inUse;
  backend_->timer.setSingleShot(true);
  backend_->timer.setTimerType(Qt::CoarseTimer);
  Backend* b = backend_.get();
  QObject::connect(&backend_->timer, &QTimer::timeout, [b] { b->Fire(); });
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
    backend_->timer.start(static_cast<int>(std::min<std::int64_t>(milliseconds, INT32_MAX)));
  }
}

void ScheduledCall::Stop() {
  backend_->active = false;
  backend_->timer.stop();
}

bool ScheduledCall::Active() const { return backend_->active; }

namespace clock {

void UseManualClock() { Manual().inUse = true; }

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
  return static_cast<int>(std::count_if(Manual().calls.begin(), Manual().calls.end(),
                                        [](auto* c) { return c->active; }));
}

}  // namespace clock

}  // namespace fw
