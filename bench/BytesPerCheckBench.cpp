// Bytes per check when "/" streams audio without end after its header
// block: what the server got out on the request's connection before the
// client closed it.
#include <cstdlib>
#include <vector>

#include "Bench.h"
#include "LoopbackServer.h"
#include "MonitorSession.h"

using tembrel::test::LoopbackServer;
using tembrel::test::Then;

int main(int argc, char** argv) {
  bench::MonitorSession session(argv[0]);
  const int checks = argc > 1 ? std::atoi(argv[1]) : 50;
  const std::string head = "HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\n\r\n";
  LoopbackServer stream({.reply = head, .then = Then::StreamForever});
  session.PointAt(stream.Port());
  // The display counts as on already, so that no player page (and no web
  // engine taking the same stream) comes into the figure.
  session.Window().LinkOpen = true;
  std::vector<double> bytes;
  for (int i = 0; i < checks; ++i) {
    const int request = 2 * i + 1;  // each check connects twice: the probe, then the request
    const bool closed = session.TimeCheck([&] { return session.CheckEnded(); }) &&
                        bench::Await([&] { return stream.PeerClosed(request); }, 10000);
    if (!closed || !stream.Received(request).starts_with("GET / ")) {
      bench::Note("check %d did not end as expected", i);
      return 1;
    }
    bytes.push_back(static_cast<double>(stream.BytesSent(request) - static_cast<std::int64_t>(head.size())));
  }
  bench::Row("Bytes per check, endless stream",
             bench::Format("median %.0f B, max %.0f B", bench::Median(bytes), bench::Percentile(bytes, 100)),
             bench::Format("body bytes the server sent (16 KiB writes) before the client closed, %d checks", checks));
  return 0;
}
