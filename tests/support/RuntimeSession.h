#pragma once

#include <exception>
#include <vector>

namespace tembrel::test {

void StartRuntime(const char* programName);
// Runs the finalisers and the exit as the process's end does, then starts the
// runtime again for the next test; returns the exit status.
int EndRuntime();

// Records what reaches the unhandled-exception report while it lives.
class ReportWatch {
 public:
  ReportWatch();
  ~ReportWatch();
  const std::vector<std::exception_ptr>& Reports() const;
};

}  // namespace tembrel::test
