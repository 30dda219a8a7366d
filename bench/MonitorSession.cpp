#include "MonitorSession.h"

#include <cstdlib>

#include "Startup.h"
#include "net/TCPSocket.h"
#include "runtime/Clock.h"
#include "runtime/Runtime.h"
#include "ui/Timer.h"

namespace bench {

namespace {

constexpr std::int64_t kPeriod = 15000;

}  // namespace

MonitorSession::MonitorSession(const char* programName) {
  fw::RuntimeInit(programName);
  fw::RuntimePerformInitializers(SystemInitializers());
  window_ = win_MainWindow::ImplicitInstance();
  if (!Await([&] { return CheckEnded(); }, 10000)) {
    Note("the first check did not end");
    std::exit(1);
  }
}

MonitorSession::~MonitorSession() {
  window_ = nullptr;
  fw::RuntimePerformFinalizers();
  fw::RuntimeExit();
}

void MonitorSession::PointAt(std::uint16_t port) {
  window_->skt_TestOnlineSocket()->SetPort(port);
  window_->RemotePort = port;
}

std::optional<double> MonitorSession::TimeCheck(const std::function<bool()>& ended) {
  const Clock::time_point start = Clock::now();
  fw::clock::AdvanceClock(kPeriod);
  const auto end = Await(ended, 10000);
  if (!end) return std::nullopt;
  return Milliseconds(*end - start);
}

bool MonitorSession::CheckEnded() const { return window_->tmr_LiveCheckTimer()->_Armed(); }

}  // namespace bench
