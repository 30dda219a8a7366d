#include "EventLoop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include "runtime/Runtime.h"

namespace tembrel::test {

bool RunUntil(const std::function<bool()>& done, int watchdogMs) {
  QDeadlineTimer watchdog(watchdogMs);
  while (!done()) {
    if (watchdog.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
  }
  return true;
}

void RunFor(int ms) {
  QDeadlineTimer until(ms);
  while (!until.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

LoopWatchdog::LoopWatchdog(int ms) : timer_(std::make_unique<QTimer>()) {
  QObject::connect(timer_.get(), &QTimer::timeout, [] { fw::Quit(99); });
  timer_->start(ms);
}

LoopWatchdog::~LoopWatchdog() = default;

}  // namespace tembrel::test
