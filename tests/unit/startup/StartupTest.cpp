#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QAction>
#include <QTimer>
#include <cstring>
#include <stdexcept>

#include "App.h"
#include "EventLoop.h"
#include "MainMenuBar.h"
#include "OwnedControls.h"
#include "RuntimeSession.h"
#include "Startup.h"
#include "runtime/ClassInfo.h"
#include "runtime/Clock.h"
#include "runtime/Runtime.h"
#include "ui/Application.h"
#include "ui/MenuItem.h"
#include "ui/Timer.h"
#include "ui/Window.h"
#include "win_MainWindow.h"

namespace {

using tembrel::test::EndRuntime;
using tembrel::test::LoopWatchdog;
using tembrel::test::ReportWatch;

class Startup : public ::testing::Test {
 protected:
  fw::clock::ManualClockScope manualClock;
};

// Quits from inside the event loop through the window's own File > Quit item.
void QuitThroughFileMenu() {
  QTimer::singleShot(0, [] {
    auto window = win_MainWindow::ImplicitInstance();
    window->FileQuit()->_Action()->trigger();
  });
}

TEST_F(Startup, NormalRunCreatesOneWindowSharesTheMenuBarAndQuitsWithZero) {
  ReportWatch watch;
  fw::RuntimePerformInitializers(SystemInitializers());
  QuitThroughFileMenu();
  fw::Ref<fw::MenuBar> appBar, windowBar;
  std::size_t windows = 0;
  QTimer::singleShot(0, [&] {
    windows = fw::RuntimeWindows().size();
    appBar = fw::Deref(fw::RuntimeAppObject()).MenuBar();
    windowBar = win_MainWindow::ImplicitInstance()->MenuBar();
  });
  fw::RuntimeCallLeavingPending(&_Main);

  EXPECT_TRUE(watch.Reports().empty());
  EXPECT_EQ(windows, 1u);
  ASSERT_TRUE(appBar);
  EXPECT_EQ(appBar, windowBar);
  EXPECT_EQ(appBar, MainMenuBar::ImplicitInstance());
  EXPECT_TRUE(std::dynamic_pointer_cast<App>(fw::RuntimeAppObject()));
  EXPECT_FALSE(fw::RuntimeHasPendingException());
  appBar = windowBar = nullptr;
  EXPECT_EQ(EndRuntime(), 0);
}

TEST_F(Startup, TheInitialisersMakeTheSystemsClassesKnownByTheirFullNames) {
  fw::RuntimePerformInitializers(SystemInitializers());
  const fw::ClassInfo* const classes[] = {&App::Description(), &_wrapper_skt_TestOnlineSocket::Description(),
                                          &_wrapper_tmr_LiveCheckTimer::Description(), &win_MainWindow::Description(),
                                          &MainMenuBar::Description()};
  const char* const names[] = {"App", "win_MainWindow._wrapper_skt_TestOnlineSocket",
                               "win_MainWindow._wrapper_tmr_LiveCheckTimer", "win_MainWindow.win_MainWindow",
                               "MainMenuBar"};
  for (std::size_t i = 0; i < std::size(classes); ++i) {
    EXPECT_TRUE(fw::RuntimeIsRegistered(*classes[i])) << names[i];
    EXPECT_EQ(fw::RuntimeLookupClass(names[i]), classes[i]) << names[i];
  }
  EXPECT_EQ(EndRuntime(), 0);
}

TEST_F(Startup, ExceptionsBeforeTheLoopAreReportedOnceAndNoWindowIsMade) {
  const struct {
    const char* what;
    void (*arrange)();
  } cases[] = {
      {"pending when _Main is entered",
       [] { fw::RuntimeSetPendingException(std::make_exception_ptr(fw::NilObjectException())); }},
      {"raised by an initialiser",
       [] {
         static const fw::Initializer failing[] = {[] { throw fw::NilObjectException(); }};
         fw::RuntimePerformInitializers(failing);
       }},
      {"raised in the early start-up (an application object is already registered)",
       [] { fw::_RuntimeRegisterAppObject(std::make_shared<fw::Application>()); }},
  };
  for (const auto& c : cases) {
    ReportWatch watch;
    fw::RuntimePerformInitializers(SystemInitializers());
    c.arrange();
    bool loopRan = false;
    QTimer::singleShot(0, [&] { loopRan = true; });
    fw::RuntimeCallLeavingPending(&_Main);

    EXPECT_EQ(watch.Reports().size(), 1u) << c.what;
    EXPECT_TRUE(fw::RuntimeWindows().empty()) << c.what;
    EXPECT_FALSE(fw::RuntimeHasPendingException()) << c.what;
    EXPECT_EQ(EndRuntime(), 1) << c.what;
    EXPECT_FALSE(loopRan) << c.what;
  }
}

TEST_F(Startup, AnExceptionInTheLateStartupPassesBackToMain) {
  ReportWatch watch;
  fw::RuntimePerformInitializers(SystemInitializers());
  // A plain window kept under the class's full name is found, and the cast of it raises.
  struct Impostor : fw::Window {
    const fw::ClassInfo& Class() const override {
      static const fw::ClassInfo info{.name = win_MainWindow::Description().name, .base = &fw::Window::Description()};
      return info;
    }
  };
  auto impostor = std::make_shared<Impostor>();
  impostor->Constructor();
  fw::RuntimeCallLeavingPending(&_Main);

  ASSERT_EQ(watch.Reports().size(), 1u);
  EXPECT_NE(fw::DescribeException(watch.Reports()[0]).find("IllegalCastException"), std::string::npos);
  impostor = nullptr;
  EXPECT_EQ(EndRuntime(), 1);
}

// A handler that fails, as a window method might.
class Failing : public fw::Object {
 public:
  void Action(fw::Ref<fw::Timer>) { throw fw::NilObjectException(); }
};

TEST_F(Startup, AnExceptionThatEscapesAHandlerIsReportedAndTheLoopGoesOn) {
  ReportWatch watch;
  fw::RuntimePerformInitializers(SystemInitializers());
  auto failing = std::make_shared<Failing>();
  auto timer = std::make_shared<fw::Timer>();
  timer->AddEventHandler(0, fw::Delegate(failing, &Failing::Action, "( Timer )", 1));
  timer->SetPeriod(10);
  timer->SetMode(fw::Timer::ModeMultiple);
  // Each step is an event of its own, posted by the one before: the loop must
  // still be running to deliver it.
  QTimer::singleShot(0, [] {
    fw::clock::AdvanceClock(10);
    QTimer::singleShot(0, [] {
      fw::clock::AdvanceClock(10);
      QuitThroughFileMenu();
    });
  });
  LoopWatchdog watchdog;
  fw::RuntimeCallLeavingPending(&_Main);

  ASSERT_EQ(watch.Reports().size(), 2u);
  EXPECT_EQ(fw::DescribeException(watch.Reports()[1]), "NilObjectException");
  EXPECT_FALSE(fw::RuntimeHasPendingException());
  timer = nullptr;
  EXPECT_EQ(EndRuntime(), 0) << "as File > Quit gives";
}

// The loop ends and _Main returns, so that the finalisers run, where the
// signal's default action would end the process on the spot.
TEST_F(Startup, AQuitSignalEndsTheApplicationAsFileQuitDoes) {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    ReportWatch watch;
    fw::RuntimePerformInitializers(SystemInitializers());
    QTimer::singleShot(0, [signal] { kill(getpid(), signal); });
    LoopWatchdog watchdog;
    fw::RuntimeCallLeavingPending(&_Main);

    EXPECT_TRUE(watch.Reports().empty()) << strsignal(signal);
    struct sigaction now {};
    sigaction(signal, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL) << strsignal(signal) << ": the next one ends a process that does not quit";
    EXPECT_EQ(EndRuntime(), 0) << strsignal(signal);
  }
}

TEST(CallFunctionWithExceptionHandling, ReturnsRuntimeExceptionsAndLeavesOthersPending) {
  const struct {
    const char* what;
    void (*function)(void*);
    bool pendingOnEntry;
    const char* returned;  // class of the returned exception, or nullptr for nil
    bool pendingAfter;
    bool called;
  } cases[] = {
      {"raises nothing", [](void* p) { *static_cast<bool*>(p) = true; }, false, nullptr, false, true},
      {"raises NilObjectException",
       [](void* p) {
         *static_cast<bool*>(p) = true;
         throw fw::NilObjectException();
       },
       false, "NilObjectException", false, true},
      {"raises something else",
       [](void* p) {
         *static_cast<bool*>(p) = true;
         throw std::runtime_error("not a runtime exception");
       },
       false, nullptr, true, true},
      {"exception pending on entry", [](void* p) { *static_cast<bool*>(p) = true; }, true, nullptr, true, false},
  };
  for (const auto& c : cases) {
    if (c.pendingOnEntry) fw::RuntimeSetPendingException(std::make_exception_ptr(std::runtime_error("earlier")));
    bool called = false;
    fw::Ref<fw::Object> result = _CallFunctionWithExceptionHandling(c.function, &called);
    EXPECT_EQ(called, c.called) << c.what;
    if (c.returned) {
      ASSERT_TRUE(result) << c.what;
      EXPECT_EQ(result->Class().name, c.returned) << c.what;
    } else {
      EXPECT_FALSE(result) << c.what;
    }
    EXPECT_EQ(fw::RuntimeHasPendingException(), c.pendingAfter) << c.what;
    fw::RuntimeTakePendingException();
  }
}

// A subclass of the system's own, with a class and a field of its own but no other support.
class ConfigurationException : public fw::RuntimeException {
 public:
  static const fw::ClassInfo& Description() {
    static const fw::ClassInfo info{.name = "Tests.ConfigurationException", .base = &RuntimeException::Description()};
    return info;
  }
  const fw::ClassInfo& Class() const override { return Description(); }

  explicit ConfigurationException(int line) : RuntimeException("bad line"), line(line) { raised = this; }

  int line;
  static inline const ConfigurationException* raised = nullptr;
};

TEST(CallFunctionWithExceptionHandling, HandsBackTheRaisedObjectItself) {
  fw::Ref<fw::Object> result =
      _CallFunctionWithExceptionHandling([](void*) { throw ConfigurationException(42); }, nullptr);
  ASSERT_TRUE(result);
  EXPECT_EQ(result.get(), ConfigurationException::raised) << "the very object raised, not a copy";
  auto raised = std::dynamic_pointer_cast<ConfigurationException>(result);
  ASSERT_TRUE(raised) << "cut down to " << result->Class().name;
  EXPECT_EQ(raised->line, 42);
  EXPECT_EQ(raised->Message(), "bad line");
  EXPECT_FALSE(fw::RuntimeHasPendingException());
}

}  // namespace
