#include "Playing.h"

#include "Bench.h"
#include "StartPlayingBox.h"
#include "StreamServer.h"

namespace bench {

namespace {

// Time for the player to start after it took the stream, and for its sound to settle.
constexpr int kSettleMs = 10000;
constexpr int kListenSeconds = 3;

}  // namespace

std::optional<Playing> MeasurePlaying(const Child& child, const StreamServer& server, int seconds) {
  if (!Await([&] { return server.activeStreams() > 0; }, 60000)) {
    Note("the player took no stream within 60 s");
    return std::nullopt;
  }
  RunFor(kSettleMs);
  Playing playing;
  playing.sound = Listen(kListenSeconds);
  playing.cpuMsPerMinute = TreeCpuMsPerMinute(child.pid, seconds);
  playing.memory = TreeMemory(child.pid);
  Note("playing: %s", Describe(playing).c_str());
  return playing;
}

std::string Describe(const Playing& playing) {
  return Format("%.0f ms/min; %s; %d processes; %s", playing.cpuMsPerMinute, Describe(playing.memory).c_str(),
                playing.memory.processes, Describe(playing.sound).c_str());
}

bool AnswerNextCheck(StreamServer& server, const QByteArray& statusLine) {
  server.setRootResponse(statusLine);
  const auto requests = server.requests().size();
  return Await([&] { return server.requests().size() > requests; }, 30000).has_value();
}

std::optional<Child> StartTembrelToPlay(const std::string& tembrel, StreamServer& server) {
  // The server answers in this thread's event loop: none before the call below.
  Child child = Spawn(tembrel);
  if (!AnswerNextCheck(server, "HTTP/1.0 404 Not Found") || !TickStartPlayingBox()) {
    Note("tembrel's window was not found, or its box could not be ticked");
    Stop(child);
    return std::nullopt;
  }
  server.setRootResponse("HTTP/1.0 200 OK", {"Content-Type: text/plain"});
  return child;
}

}  // namespace bench
