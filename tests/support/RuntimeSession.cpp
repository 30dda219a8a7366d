#include "RuntimeSession.h"

#include "runtime/Runtime.h"

namespace tembrel::test {

namespace {

const char* savedProgramName = nullptr;
std::vector<std::exception_ptr> reports;

void Record(std::exception_ptr e) { reports.push_back(e); }

}  // namespace

void StartRuntime(const char* programName) {
  savedProgramName = programName;
  fw::RuntimeInit(programName);
}

int EndRuntime() {
  fw::RuntimePerformFinalizers();
  int status = fw::RuntimeExit();
  fw::RuntimeInit(savedProgramName);
  return status;
}

ReportWatch::ReportWatch() {
  reports.clear();
  fw::RuntimeSetUnhandledExceptionObserver(&Record);
}

ReportWatch::~ReportWatch() { fw::RuntimeSetUnhandledExceptionObserver(nullptr); }

const std::vector<std::exception_ptr>& ReportWatch::Reports() const { return reports; }

}  // namespace tembrel::test
