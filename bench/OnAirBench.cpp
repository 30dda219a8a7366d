// On the air: the real tembrel binary against a live MP3 server. Memory of
// its whole process tree (the web engine's QtWebEngineProcess helpers
// included) once the player page has loaded and asked for the stream.
#include <QCoreApplication>
#include <cstdlib>

#include "Bench.h"
#include "Processes.h"
#include "StreamServer.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2) {
    bench::Note("usage: %s <tembrel> [seconds]", argv[0]);
    return 2;
  }
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
  StreamServer server;
  server.setPacing(StreamServer::Pacing::RealTime);
  if (!server.loadMp3(TEMBREL_TONE_MP3) || !server.listen(bench::kStreamPort)) {
    bench::Note("cannot serve " TEMBREL_TONE_MP3 " on the stream port");
    return 2;
  }
  bench::Child child = bench::Spawn(argv[1]);
  const auto listening = [&] { return server.activeStreams() > 0; };
  if (!bench::Await(listening, 60000)) {
    bench::Note("the player did not ask for the stream within 60 s");
    return 1;
  }
  bench::Note("player connected %.0f ms after start", bench::Milliseconds(bench::Clock::now() - child.started));
  bench::RunFor(seconds * 1000);
  const bench::Memory memory = bench::TreeMemory(child.pid);
  const qint64 streamed = server.bytesStreamed();
  bench::Stop(child);

  bench::Row("Memory on the air", bench::Describe(memory),
             bench::Format("real binary, %d processes (engine helpers included), %d s after the player took "
                           "the stream (%lld bytes so far; autoplay off, so paused)",
                           memory.processes, seconds, static_cast<long long>(streamed)));
  return 0;
}
