#include "EventLoop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

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

}  // namespace tembrel::test
