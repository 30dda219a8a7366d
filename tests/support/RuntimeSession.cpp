#include "RuntimeSession.h"

#include "runtime/Runtime.h"

namespace tembrel::test {

namespace {

int* savedArgc = nullptr;
char** savedArgv = nullptr;
std::vector<std::exception_ptr> reports;

void Record(std::exception_ptr e) { reports.push_back(e); }

}  // namespace

void StartRuntime(int& argc, char** argv) {
  savedArgc = &argc;
  savedArgv = argv;
  fw::RuntimeInit(argc, argv);
}

int EndRuntime() {
  fw::RuntimePerformFinalizers();
  int status = fw::RuntimeExit();
  fw::RuntimeInit(*savedArgc, savedArgv);
  return status;
}

ReportWatch::ReportWatch() {
  reports.clear();
  fw::RuntimeSetUnhandledExceptionObserver(&Record);
}

ReportWatch::~ReportWatch() { fw::RuntimeSetUnhandledExceptionObserver(nullptr); }

const std::vector<std::exception_ptr>& ReportWatch::Reports() const { return reports; }

}  // namespace tembrel::test
