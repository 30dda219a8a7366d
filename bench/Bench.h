#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;  // CLOCK_MONOTONIC

// The product probes its stream host on this port; the benchmarks' namespace maps that host to 127.0.0.1.
constexpr std::uint16_t kStreamPort = 8000;

double Milliseconds(Clock::duration d);
double Median(std::vector<double> values);
// The value below which `p` percent of the values lie (nearest rank).
double Percentile(std::vector<double> values, double p);
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// One line of the summary table: "figure|value|how it was measured", on standard output.
void Row(const std::string& figure, const std::string& value, const std::string& how);
// Progress and per-run details, on standard error (the run's log).
void Note(const char* format, ...) __attribute__((format(printf, 1, 2)));

// CPU time that the calling thread has used so far.
double ThreadCpuMilliseconds();

// Runs the Qt event loop, blocking between events as an application does,
// until `done` holds or `timeoutMs` of real time pass. Returns the moment
// `done` was first seen to hold.
std::optional<Clock::time_point> Await(const std::function<bool()>& done, int timeoutMs);
// Runs the Qt event loop for `ms` of real time.
void RunFor(int ms);

}  // namespace bench
