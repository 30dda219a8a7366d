#pragma once

#include <optional>
#include <string>

namespace bench {

// What came out of the sound server in a few seconds.
struct Sound {
  double rms = 0;          // 0 (silence) to 1 (full scale)
  double frequencyHz = 0;  // of the loudest tone, from its zero crossings while it sounds
  double silent = 0;       // the share of 10 ms stretches without sound: gaps, dropouts
};

// Records `seconds` from the monitor of the sound server's default sink
// (run.sh starts a server with a null sink: what plays is captured, not
// heard). Nothing when no server answers.
std::optional<Sound> Listen(int seconds);
// "sound: 440 Hz, RMS 0.34, 0% silent" or why there was none.
std::string Describe(const std::optional<Sound>& sound);
// A tone of `hz` at a level well above silence, without gaps.
bool Hears(const std::optional<Sound>& sound, double hz);

}  // namespace bench
