// Playing: the real tembrel binary, its box ticked, playing a live 128 kbit/s
// MP3 stream, beside a bare QWebEngineView with Qt's defaults playing the same
// page from the same server (bench_bare_view), in turns in the same run. CPU
// time of each whole process tree (the QtWebEngineProcess helpers included)
// per minute of playing, its memory and processes, and what came out of the
// sound server.
#include <QCoreApplication>
#include <cstdlib>
#include <vector>

#include "Bench.h"
#include "Playing.h"
#include "StreamServer.h"

namespace {

struct Runs {
  std::vector<bench::Playing> played;
  int silent = 0;

  void Add(const std::optional<bench::Playing>& playing) {
    if (!playing) return;
    played.push_back(*playing);
    if (!bench::Hears(playing->sound, 440)) ++silent;
  }
  double MedianCpu() const {
    std::vector<double> cpu;
    for (const bench::Playing& p : played) cpu.push_back(p.cpuMsPerMinute);
    return bench::Median(cpu);
  }
  // The run whose CPU time is the median's, or the nearest above it.
  const bench::Playing& Typical() const {
    const double median = MedianCpu();
    const bench::Playing* typical = &played.front();
    for (const bench::Playing& p : played) {
      if (p.cpuMsPerMinute >= median &&
          (typical->cpuMsPerMinute < median || p.cpuMsPerMinute < typical->cpuMsPerMinute))
        typical = &p;
    }
    return *typical;
  }
  std::string Figures() const {
    std::string all;
    for (const bench::Playing& p : played) all += bench::Format("%s%.0f", all.empty() ? "" : ", ", p.cpuMsPerMinute);
    return all;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 3) {
    bench::Note("usage: %s <tembrel> <bare view> [seconds] [rounds]", argv[0]);
    return 2;
  }
  const int seconds = argc > 3 ? std::atoi(argv[3]) : 60;
  const int rounds = argc > 4 ? std::atoi(argv[4]) : 3;
  StreamServer server;
  if (!server.loadMp3(TEMBREL_SINE_MP3) || !server.listen(bench::kStreamPort)) {
    bench::Note("cannot serve " TEMBREL_SINE_MP3 " on the stream port");
    return 2;
  }

  Runs tembrel, bare;
  for (int round = 0; round < rounds; ++round) {
    bench::Note("round %d: tembrel", round + 1);
    if (std::optional<bench::Child> child = bench::StartTembrelToPlay(argv[1], server)) {
      tembrel.Add(bench::MeasurePlaying(*child, server, seconds));
      bench::Stop(*child);
    }
    bench::Note("round %d: bare view", round + 1);
    server.setRootResponse("HTTP/1.0 200 OK");
    bench::Child child = bench::Spawn(argv[2], {"127.0.0.1", std::to_string(bench::kStreamPort)});
    bare.Add(bench::MeasurePlaying(child, server, seconds));
    bench::Stop(child);
  }
  if (tembrel.played.empty() || bare.played.empty()) {
    bench::Row("Playing", "failed", "a player did not take the stream, see the log");
    return 1;
  }

  const auto how = [&](const Runs& runs) {
    return bench::Format(
        "median of %zu runs of %d s (%s ms/min); 128 kbit/s MP3 of 440 Hz in real time; whole "
        "process tree",
        runs.played.size(), seconds, runs.Figures().c_str());
  };
  bench::Row("Playing, tembrel (box ticked)", bench::Describe(tembrel.Typical()), how(tembrel));
  bench::Row("Playing, bare QWebEngineView", bench::Describe(bare.Typical()),
             how(bare) + "; Qt's defaults, the same page and server");
  bench::Row("Playing, tembrel / bare view",
             bench::Format("CPU %.2f, %s", tembrel.MedianCpu() / bare.MedianCpu(),
                           bench::Ratios(tembrel.Typical().memory, bare.Typical().memory).c_str()),
             bench::Format("the two rows above, in turns in the same run; runs without the tone: %d of %zu",
                           tembrel.silent + bare.silent, tembrel.played.size() + bare.played.size()));
  return tembrel.silent + bare.silent == 0 ? 0 : 1;
}
