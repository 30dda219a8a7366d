#include "Bench.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <ctime>

namespace bench {

namespace {

std::string VFormat(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  std::string text(static_cast<std::size_t>(std::vsnprintf(nullptr, 0, format, copy)), '\0');
  va_end(copy);
  std::vsnprintf(text.data(), text.size() + 1, format, args);
  return text;
}

}  // namespace

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> values) { return Percentile(std::move(values), 50); }

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return NAN;
  std::sort(values.begin(), values.end());
  const auto rank = static_cast<std::size_t>(std::ceil(p / 100 * static_cast<double>(values.size())));
  return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = VFormat(format, args);
  va_end(args);
  return text;
}

void Row(const std::string& figure, const std::string& value, const std::string& how) {
  std::printf("%s|%s|%s\n", figure.c_str(), value.c_str(), how.c_str());
  std::fflush(stdout);
}

void Note(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::fprintf(stderr, "%s\n", VFormat(format, args).c_str());
  va_end(args);
}

double ThreadCpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

std::optional<Clock::time_point> Await(const std::function<bool()>& done, int timeoutMs) {
  if (done()) return Clock::now();
  std::optional<Clock::time_point> seen;
  QEventLoop loop;
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  // Looked at after each round of events, just before the loop would wait for more.
  QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &loop, [&] {
    if (seen || !done()) return;
    seen = Clock::now();
    loop.quit();
  });
  loop.exec();
  return seen;
}

void RunFor(int ms) {
  Await([] { return false; }, ms);
}

}  // namespace bench
