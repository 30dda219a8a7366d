// Off the air for a minute: the real tembrel binary checking a server that
// answers 404. CPU time over the minute after its first check, and the
// memory it holds at the end (its web engine has not started).
#include <QCoreApplication>

#include <cstdlib>

#include "Bench.h"
#include "Processes.h"
#include "fixtures/StreamServer.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2) {
    bench::Note("usage: %s <tembrel> [seconds]", argv[0]);
    return 2;
  }
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
  StreamServer server;
  server.setRootResponse("HTTP/1.0 404 Not Found");
  if (!server.listen(bench::kStreamPort)) {
    bench::Note("cannot listen on the stream port");
    return 2;
  }
  bench::Child child = bench::Spawn(argv[1]);
  if (!bench::Await([&] { return !server.requests().isEmpty(); }, 30000)) {
    bench::Note("no check within 30 s");
    return 1;
  }
  bench::Await([] { return false; }, 1000);  // the first check and the start-up are over
  const double cpuBefore = bench::CpuSeconds(child.pid);
  const auto checksBefore = server.requests().size();
  bench::Await([] { return false; }, seconds * 1000);
  const double cpu = bench::CpuSeconds(child.pid) - cpuBefore;
  const auto checks = server.requests().size() - checksBefore;
  const bench::Memory memory = bench::TreeMemory(child.pid);
  bench::Stop(child);

  bench::Row(bench::Format("CPU time in %d s off the air", seconds),
             bench::Format("%.1f ms (%.3f%% of a core)", cpu * 1e3, cpu * 100 / seconds),
             bench::Format("real binary, 404 server, over the %d s after its first check (checks in them: %lld)",
                           seconds, static_cast<long long>(checks)));
  bench::Row(
      "Memory off the air", bench::Describe(memory),
      bench::Format("real binary at the end of the run above; processes: %d, engine not started", memory.processes));
  return 0;
}
