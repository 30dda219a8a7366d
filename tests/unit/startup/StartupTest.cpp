#include <gtest/gtest.h>

#include <QAction>
#include <QTimer>
#include <stdexcept>

#include "App.h"
#include "MainMenuBar.h"
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

TEST_F(Startup, AnExceptionThatEscapesAHandlerEndsTheApplicationWithStatusOne) {
  ReportWatch watch;
  fw::RuntimePerformInitializers(SystemInitializers());
  auto failing = std::make_shared<Failing>();
  auto timer = std::make_shared<fw::Timer>();
  timer->AddEventHandler(0, fw::Delegate(failing, &Failing::Action, "( Timer )", 1));
  timer->SetPeriod(10);
  timer->SetMode(fw::Timer::ModeSingle);
  QTimer::singleShot(0, [] { fw::clock::AdvanceClock(10); });
  fw::RuntimeCallLeavingPending(&_Main);

  ASSERT_EQ(watch.Reports().size(), 1u);
  EXPECT_EQ(fw::DescribeException(watch.Reports()[0]), "NilObjectException");
  timer = nullptr;
  EXPECT_EQ(EndRuntime(), 1);
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
