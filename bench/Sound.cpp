#include "Sound.h"

#include <unistd.h>

#include <QProcess>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "Bench.h"

namespace bench {

namespace {

// A 10 ms stretch whose loudest sample stays below this (-40 dB) is silent.
constexpr int kSilence = 328;

std::uint32_t Le32(const char* p) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(p[0])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(p[1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(p[2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(p[3])) << 24;
}

// The first channel of a 16-bit PCM WAV file, and its sample rate.
bool ReadWav(const std::string& path, std::vector<std::int16_t>& samples, int& rate) {
  std::ifstream file(path, std::ios::binary);
  const std::string data{std::istreambuf_iterator<char>(file), {}};
  if (data.size() < 12 || data.compare(0, 4, "RIFF") != 0 || data.compare(8, 4, "WAVE") != 0) return false;
  int channels = 0, bits = 0;
  for (std::size_t at = 12; at + 8 <= data.size();) {
    const std::string id = data.substr(at, 4);
    const std::size_t size = Le32(data.data() + at + 4);
    const char* body = data.data() + at + 8;
    const std::size_t available = std::min(size, data.size() - at - 8);
    if (id == "fmt " && available >= 16) {
      channels = static_cast<unsigned char>(body[2]) | static_cast<unsigned char>(body[3]) << 8;
      rate = static_cast<int>(Le32(body + 4));
      bits = static_cast<unsigned char>(body[14]) | static_cast<unsigned char>(body[15]) << 8;
    } else if (id == "data" && channels > 0 && bits == 16) {
      for (std::size_t i = 0; i + 2 * channels <= available; i += 2 * channels) {
        std::int16_t sample;
        std::memcpy(&sample, body + i, 2);
        samples.push_back(sample);
      }
      return true;
    }
    at += 8 + size + (size & 1);
  }
  return false;
}

}  // namespace

std::optional<Sound> Listen(int seconds) {
  char path[] = "/tmp/bench-sound-XXXXXX.wav";
  const int fd = mkstemps(path, 4);
  if (fd < 0) return std::nullopt;
  close(fd);
  // NOTE: the event loop runs meanwhile: the stream server that feeds the player lives in it.
  QProcess recorder;
  recorder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  recorder.start(QStringLiteral("parecord"), {QStringLiteral("--device=@DEFAULT_MONITOR@"),
                                              QStringLiteral("--file-format=wav"), QString::fromUtf8(path)});
  if (!recorder.waitForStarted()) return std::nullopt;
  RunFor(seconds * 1000);
  recorder.terminate();
  recorder.waitForFinished();
  std::vector<std::int16_t> samples;
  int rate = 0;
  const bool read = ReadWav(path, samples, rate);
  std::remove(path);
  if (!read || samples.empty() || rate <= 0) return std::nullopt;
  // Counted in stretches of 10 ms: crossings only where the tone sounds.
  const std::size_t stretch = static_cast<std::size_t>(rate) / 100;
  double sum = 0;
  std::size_t crossings = 0, stretches = 0, silent = 0, sounding = 0;
  for (std::size_t start = 0; start + stretch <= samples.size(); start += stretch) {
    int peak = 0;
    std::size_t here = 0;
    for (std::size_t i = start; i < start + stretch; ++i) {
      sum += static_cast<double>(samples[i]) * samples[i];
      peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
      if (i > start && (samples[i - 1] < 0) != (samples[i] < 0)) ++here;
    }
    ++stretches;
    if (peak < kSilence) {
      ++silent;
    } else {
      ++sounding;
      crossings += here;
    }
  }
  if (stretches == 0) return std::nullopt;
  const double soundingSeconds = static_cast<double>(sounding * stretch) / rate;
  return Sound{std::sqrt(sum / static_cast<double>(stretches * stretch)) / 32768,
               soundingSeconds > 0 ? static_cast<double>(crossings) / 2 / soundingSeconds : 0,
               static_cast<double>(silent) / static_cast<double>(stretches)};
}

std::string Describe(const std::optional<Sound>& sound) {
  if (!sound) return "no sound server to listen to";
  return Format("sound: %.0f Hz, RMS %.2f, %.0f%% silent", sound->frequencyHz, sound->rms, sound->silent * 100);
}

bool Hears(const std::optional<Sound>& sound, double hz) {
  return sound && sound->rms > 0.05 && std::abs(sound->frequencyHz - hz) < hz * 0.05 && sound->silent < 0.05;
}

}  // namespace bench
