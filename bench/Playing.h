#pragma once

#include <QByteArray>
#include <optional>
#include <string>

#include "Processes.h"
#include "Sound.h"

class StreamServer;

namespace bench {

// A player (tembrel, or the bare view) playing a stream, as measured from outside.
struct Playing {
  std::optional<Sound> sound;  // what came out of the sound server
  double cpuMsPerMinute = 0;   // its whole process tree
  Memory memory;               // at the end
};

// Waits until `child` has taken a stream from `server` and has had time to
// start playing, listens, then measures it over `seconds`. Nothing when it
// took no stream within a minute.
std::optional<Playing> MeasurePlaying(const Child& child, const StreamServer& server, int seconds);

// "1520 ms/min; PSS ..., RSS ...; 4 processes; sound: 440 Hz, RMS 0.34"
std::string Describe(const Playing& playing);

// The server's next answer to a check is `statusLine`; true once a check has
// had it, false when none came within 30 s.
bool AnswerNextCheck(StreamServer& server, const QByteArray& statusLine);

// Tembrel started off the air, its "Start Playing" box ticked by a click,
// and then the server on the air: it plays once its next check finds it.
// Nothing, after saying why, when the box could not be ticked.
std::optional<Child> StartTembrelToPlay(const std::string& tembrel, StreamServer& server);

}  // namespace bench
