// Check latency: from the timer's Action to the display switched and the
// timer re-armed, for checks run back to back in process against two
// loopback servers, one answering 200 and one 404, taken in turn so that
// the display switches on every check.
#include <cstdlib>
#include <vector>

#include "Bench.h"
#include "LoopbackServer.h"
#include "MonitorSession.h"

using tembrel::test::LoopbackServer;

int main(int argc, char** argv) {
  bench::MonitorSession session(argv[0]);
  const int checks = argc > 1 ? std::atoi(argv[1]) : 1000;
  LoopbackServer up({.reply = "HTTP/1.0 200 OK\r\n\r\n"});
  LoopbackServer down({.reply = "HTTP/1.0 404 Not Found\r\n\r\n"});
  win_MainWindow& window = session.Window();
  const auto check = [&](bool on) {
    session.PointAt(on ? up.Port() : down.Port());
    const auto ms = session.TimeCheck([&] { return session.CheckEnded() && window.LinkOpen == on; });
    if (!ms) {
      bench::Note("a check did not end within 10 s");
      std::exit(1);
    }
    return *ms;
  };
  // The first page loads the web engine's module and starts the engine; the checks after it find it running.
  const double first = check(true);
  check(false);
  std::vector<double> on, off;
  for (int i = 0; i < checks / 2; ++i) {
    on.push_back(check(true));
    off.push_back(check(false));
  }
  const auto figures = [](const std::vector<double>& ms) {
    return bench::Format("median %.2f ms, p99 %.2f ms", bench::Median(ms), bench::Percentile(ms, 99));
  };
  const std::string how =
      bench::Format("in process, manual clock, %zu checks, event loop blocking as in the app", on.size());
  bench::Row("Check latency, off to on", figures(on), how + "; includes the page load call");
  bench::Row("Check latency, on to off", figures(off), how);
  bench::Row("Check latency, first on", bench::Format("%.1f ms", first),
             "the first switch on the air: the web engine's module is loaded and the engine started there");
  return 0;
}
