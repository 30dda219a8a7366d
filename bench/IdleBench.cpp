// Off the air: the real tembrel binary checking a server that answers 404.
// Its memory once started, beside that of the Qt Widgets baseline measured
// the same way; then CPU time over the minute after its first check, and the
// memory it holds at the end (its web engine has not started).
#include <QCoreApplication>
#include <cstdlib>

#include "Bench.h"
#include "Processes.h"
#include "StreamServer.h"

namespace {

// Both programs are measured this long after their start: the window is
// shown by then and tembrel's first check is over.
constexpr int kStartedMs = 3000;

void AwaitStarted(const bench::Child& child) {
  const double elapsed = bench::Milliseconds(bench::Clock::now() - child.started);
  if (elapsed < kStartedMs) bench::RunFor(kStartedMs - static_cast<int>(elapsed));
}

bench::Memory StartedBaseline(const std::string& baseline) {
  bench::Child child = bench::Spawn(baseline);
  AwaitStarted(child);
  const bench::Memory memory = bench::TreeMemory(child.pid);
  bench::Stop(child);
  return memory;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 3) {
    bench::Note("usage: %s <tembrel> <baseline> [seconds]", argv[0]);
    return 2;
  }
  const int seconds = argc > 3 ? std::atoi(argv[3]) : 60;
  const bench::Memory baseline = StartedBaseline(argv[2]);
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
  AwaitStarted(child);
  const bench::Memory started = bench::TreeMemory(child.pid);
  const double cpuBefore = bench::CpuSeconds(child.pid);
  const auto checksBefore = server.requests().size();
  bench::RunFor(seconds * 1000);
  const double cpu = bench::CpuSeconds(child.pid) - cpuBefore;
  const auto checks = server.requests().size() - checksBefore;
  const bench::Memory memory = bench::TreeMemory(child.pid);
  bench::Stop(child);

  const std::string startedHow = bench::Format("%d s after exec", kStartedMs / 1000);
  bench::Row("Memory off the air, started", bench::Describe(started),
             startedHow + bench::Format(", real binary, first check over; processes: %d", started.processes));
  bench::Row("Memory, Qt Widgets baseline", bench::Describe(baseline),
             startedHow + ", 600x250 QMainWindow with menu bar, measured the same way in the same run");
  bench::Row("Memory ratio off the air", bench::Ratios(started, baseline), "tembrel / baseline, the two rows above");
  bench::Row(bench::Format("CPU time in %d s off the air", seconds),
             bench::Format("%.1f ms (%.3f%% of a core)", cpu * 1e3, cpu * 100 / seconds),
             bench::Format("real binary, 404 server, over the %d s after its first check (checks in them: %lld)",
                           seconds, static_cast<long long>(checks)));
  bench::Row(
      "Memory off the air", bench::Describe(memory),
      bench::Format("real binary at the end of the run above; processes: %d, engine not started", memory.processes));
  return 0;
}
