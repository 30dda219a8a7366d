#include "MonitorFixture.h"

#include <QDir>

#include "EventLoop.h"
#include "Startup.h"
#include "net/TCPSocket.h"
#include "runtime/Clock.h"
#include "runtime/Runtime.h"
#include "ui/Timer.h"

namespace tembrel::test {

void MonitorTest::SetUp() {
  ASSERT_TRUE(tempDir.isValid());
  qputenv("TMPDIR", tempDir.path().toUtf8());
  fw::RuntimePerformInitializers(SystemInitializers());
  window = win_MainWindow::ImplicitInstance();
  WaitForCheckToEnd();
}

void MonitorTest::TearDown() {
  window = nullptr;
  fw::RuntimePerformFinalizers();
}

void MonitorTest::PointAt(std::uint16_t probePort, std::optional<std::uint16_t> requestPort) {
  window->skt_TestOnlineSocket()->SetPort(probePort);
  window->RemotePort = requestPort.value_or(probePort);
}

void MonitorTest::RunNextCheck() {
  fw::clock::AdvanceClock(kPeriod);
  WaitForCheckToEnd();
}

void MonitorTest::WaitForCheckToEnd() {
  ASSERT_TRUE(RunUntil([&] { return window->tmr_LiveCheckTimer()->_Armed(); }));
}

int MonitorTest::TemporaryFiles() const {
  return static_cast<int>(QDir(tempDir.path()).entryList(QDir::Files | QDir::Hidden).size());
}

}  // namespace tembrel::test
