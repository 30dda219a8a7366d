#include "Runtime.h"

#include <QApplication>
#include <QThread>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "Finalizers.h"
#include "QuitSignals.h"

namespace fw {

namespace {

struct RuntimeState {
  // NOTE: Qt keeps references to its argument count and list, so they are
  // declared before the application object, which goes first.
  std::string programName;
  int qtArgc = 1;
  char* qtArgv[2] = {};
  std::unique_ptr<QApplication> qtApp;
  std::map<std::string, const ClassInfo*, std::less<>> classes;
  Ref<Application> app;
  std::exception_ptr pending;
  UnhandledExceptionObserver observer = nullptr;
  int exitStatus = 0;
  bool quitRequested = false;
};

RuntimeState& State() {
  static RuntimeState state;
  return state;
}

}  // namespace

void RuntimeInit(const char* programName) {
  RuntimeState& s = State();
  if (!QCoreApplication::instance()) {
    // Qt and the HTML engine would take options from the command line (a
    // style sheet, a mirrored layout, a debugging port); the system reads none.
    s.programName = programName ? programName : "";
    s.qtArgc = 1;
    s.qtArgv[0] = s.programName.data();
    // NOTE: no Qt::AA_ShareOpenGLContexts here: it would make Qt start its
    // OpenGL stack now, and the HTML engine, which draws in software, needs none.
    s.qtApp = std::make_unique<QApplication>(s.qtArgc, s.qtArgv);
  }
  InstallQuitSignals(*QCoreApplication::instance());
  s.exitStatus = 0;
  s.quitRequested = false;
}

void RuntimePerformInitializers(std::span<const Initializer> systemEntries) {
  auto run = [](Initializer init) {
    if (RuntimeHasPendingException()) return;
    try {
      init();
    } catch (...) {
      RuntimeSetPendingException(std::current_exception());
    }
  };
  for (Initializer init : FrameworkInitializers()) run(init);
  for (Initializer init : systemEntries) run(init);
}

void RuntimePerformFinalizers() {
  RunFinalizers();
  RuntimeState& s = State();
  s.app.reset();
  s.classes.clear();
}

int RuntimeExit() {
  RuntimeState& s = State();
  int status = s.pending ? 1 : s.exitStatus;
  s.pending = nullptr;
  // Qt's application object must go before static destruction begins.
  s.qtApp.reset();
  return status;
}

// Start-up hands the runtime these, and nothing here reads them: the event
// dispatch catches exceptions itself, and no behaviour depends on the version.
void _RuntimeSetExceptionHelper(ExceptionHelper) {}
void RuntimeSetVersion(double) {}

void _RuntimeRegisterAppObject(const Ref<Application>& app) {
  if (!app) throw NilObjectException();
  if (State().app) throw RuntimeException("An application object is already registered");
  State().app = app;
}

Ref<Application> RuntimeAppObject() { return State().app; }

void _RunFrameworkInitialization(void (*lateStartup)()) { lateStartup(); }

void _RuntimeRun() {
  RuntimeState& s = State();
  if (s.quitRequested || !QCoreApplication::instance()) return;
  QCoreApplication::exec();
}

void Quit(int code) {
  RuntimeState& s = State();
  s.exitStatus = code;
  s.quitRequested = true;
  if (QCoreApplication::instance()) QCoreApplication::exit(code);
}

bool RuntimeHasPendingException() { return static_cast<bool>(State().pending); }
void RuntimeSetPendingException(std::exception_ptr exception) { State().pending = exception; }
std::exception_ptr RuntimeTakePendingException() { return std::exchange(State().pending, nullptr); }

void RuntimeCallLeavingPending(void (*fn)()) {
  try {
    fn();
  } catch (...) {
    RuntimeSetPendingException(std::current_exception());
  }
}

void RuntimeReportUnhandledException(std::exception_ptr exception) {
  if (auto observer = State().observer) observer(exception);
  std::fprintf(stderr, "Unhandled exception: %s\n", DescribeException(exception).c_str());
  std::fflush(stderr);
}

void _UnhandledException(std::exception_ptr exception) {
  RuntimeReportUnhandledException(exception);
  Quit(1);
}

void RuntimeSetUnhandledExceptionObserver(UnhandledExceptionObserver observer) { State().observer = observer; }

std::string DescribeException(std::exception_ptr exception) {
  try {
    std::rethrow_exception(exception);
  } catch (const RuntimeException& e) {
    std::string text(e.Class().name);
    if (!e.Message().empty()) text += ": " + e.Message();
    return text;
  } catch (const std::exception& e) {
    return std::string(typeid(e).name()) + ": " + e.what();
  } catch (...) {
    return "unknown exception";
  }
}

void RuntimeRegisterClass(const ClassInfo& cls) {
  RuntimeState& s = State();
  if (s.classes.contains(cls.name)) return;
  if (cls.base) RuntimeRegisterClass(*cls.base);
  s.classes.emplace(std::string(cls.name), &cls);
}

const ClassInfo* RuntimeLookupClass(std::string_view fullName) {
  auto& classes = State().classes;
  auto it = classes.find(fullName);
  return it == classes.end() ? nullptr : it->second;
}

bool RuntimeIsRegistered(const ClassInfo& cls) { return RuntimeLookupClass(cls.name) == &cls; }

Ref<Object> RuntimeNewObject(const ClassInfo& cls) {
  RuntimeRegisterClass(cls);
  if (!cls.create) throw RuntimeException("The class " + std::string(cls.name) + " cannot be instantiated");
  return cls.create();
}

void RuntimeAddEventHandler(const Ref<Object>& object, int position, Delegate delegate) {
  Deref(object).AddEventHandler(position, std::move(delegate));
}

void RuntimeRemoveEventHandler(const Ref<Object>& object, int position, const Delegate& delegate) {
  Deref(object).RemoveEventHandler(position, delegate);
}

void CheckMainThread() {
  if (!State().app) return;
  auto* app = QCoreApplication::instance();
  if (app && QThread::currentThread() != app->thread()) throw ThreadAccessingUIException();
}

}  // namespace fw
