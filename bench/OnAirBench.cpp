// On the air and after: the real tembrel binary against a live 128 kbit/s MP3
// server, through one session: off the air before any broadcast, on the air
// with its box clear (the page loads and waits), on the air playing (the box
// ticked), and hidden again after that broadcast. CPU time and memory of its
// whole process tree (the QtWebEngineProcess helpers included) in each state.
#include <QCoreApplication>
#include <cstdlib>

#include "Bench.h"
#include "Playing.h"
#include "StartPlayingBox.h"
#include "StreamServer.h"

namespace {

constexpr int kSettleMs = 10000;

std::string Figures(double cpuMsPerMinute, const bench::Memory& memory) {
  return bench::Format("%.1f ms/min; %s; %d processes", cpuMsPerMinute, bench::Describe(memory).c_str(),
                       memory.processes);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2) {
    bench::Note("usage: %s <tembrel> [seconds]", argv[0]);
    return 2;
  }
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
  StreamServer server;
  server.setPacing(StreamServer::Pacing::RealTime);
  server.setRootResponse("HTTP/1.0 404 Not Found");
  if (!server.loadMp3(TEMBREL_SINE_MP3) || !server.listen(bench::kStreamPort)) {
    bench::Note("cannot serve " TEMBREL_SINE_MP3 " on the stream port");
    return 2;
  }
  bench::Child child = bench::Spawn(argv[1]);
  const auto fail = [&](const char* why) {
    bench::Note("%s", why);
    bench::Stop(child);
    bench::Row("On the air", "failed", "see the log");
    return 1;
  };

  if (!bench::Await([&] { return !server.requests().isEmpty(); }, 30000)) return fail("no check within 30 s");
  bench::RunFor(3000);
  const double offCpu = bench::TreeCpuMsPerMinute(child.pid, seconds);
  const bench::Memory off = bench::TreeMemory(child.pid);

  if (!bench::AnswerNextCheck(server, "HTTP/1.0 200 OK")) return fail("no check went on the air");
  if (!bench::Await([&] { return server.activeStreams() > 0; }, 60000)) return fail("the player took no stream");
  bench::RunFor(kSettleMs);
  const bench::Memory paused = bench::TreeMemory(child.pid);

  if (!bench::TickStartPlayingBox()) return fail("the box could not be ticked");
  if (!bench::AnswerNextCheck(server, "HTTP/1.0 404 Not Found")) return fail("no check went off the air");
  if (!bench::AnswerNextCheck(server, "HTTP/1.0 200 OK")) return fail("no check went on the air again");
  const std::optional<bench::Playing> playing = bench::MeasurePlaying(child, server, seconds);
  if (!playing) return fail("the player took no stream the second time");

  if (!bench::AnswerNextCheck(server, "HTTP/1.0 404 Not Found")) return fail("no check went off the air again");
  const bench::Clock::time_point hidden = bench::Clock::now();
  const auto closed = bench::Await([&] { return server.activeStreams() == 0; }, 60000);
  if (!closed) return fail("the hidden player kept its stream for a minute");
  bench::RunFor(kSettleMs);
  const qint64 streamed = server.bytesStreamed();
  const double hiddenCpu = bench::TreeCpuMsPerMinute(child.pid, seconds);
  const bench::Memory afterwards = bench::TreeMemory(child.pid);
  const qint64 streamedHidden = server.bytesStreamed() - streamed;
  bench::Stop(child);

  bench::Row("Off the air, before a broadcast", Figures(offCpu, off),
             bench::Format("real binary, 404 server; CPU over %d s from 3 s after its first check", seconds));
  bench::Row("Memory on the air, box clear", bench::Describe(paused),
             bench::Format("%d s after the player took the stream; it waits for the user's play; %d processes",
                           kSettleMs / 1000, paused.processes));
  bench::Row("On the air, playing", bench::Describe(*playing),
             bench::Format("box ticked, the next broadcast; CPU over %d s from %d s after the player took the stream",
                           seconds, kSettleMs / 1000));
  bench::Row("Hidden after that broadcast", Figures(hiddenCpu, afterwards),
             bench::Format("404 server; the stream closed %.1f s after the check that hid the player; CPU over %d "
                           "s from %d s later; bytes streamed in them: %lld",
                           bench::Milliseconds(*closed - hidden) / 1000, seconds, kSettleMs / 1000,
                           static_cast<long long>(streamedHidden)));
  bench::Row("Hidden after a broadcast / before", bench::Ratios(afterwards, off),
             bench::Format("CPU %+.1f ms/min; the two rows of this run", hiddenCpu - offCpu));
  return bench::Hears(playing->sound, 440) ? 0 : 1;
}
