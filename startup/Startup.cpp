#include "Startup.h"

#include "App.h"
#include "MainMenuBar.h"
#include "OwnedControls.h"
#include "runtime/Runtime.h"
#include "ui/Application.h"
#include "win_MainWindow.h"

namespace {

template <class T>
void Register() {
  fw::RuntimeRegisterClass(T::Description());
}

constexpr fw::Initializer kSystemInitializers[] = {
    &Register<App>,
    &Register<_wrapper_skt_TestOnlineSocket>,
    &Register<_wrapper_tmr_LiveCheckTimer>,
    &Register<win_MainWindow>,
    &MainMenuBar::_InitImplicitInstance,
    &Register<MainMenuBar>,
};

}  // namespace

std::span<const fw::Initializer> SystemInitializers() { return kSystemInitializers; }

void _Main() {
  try {
    // An exception left by the initialisers skips every step.
    if (auto pending = fw::RuntimeTakePendingException()) std::rethrow_exception(pending);
    fw::_RuntimeSetExceptionHelper(&_CallFunctionWithExceptionHandling);
    fw::RuntimeSetVersion(kRuntimeVersion);
    _EarlyStartup();
    fw::_RunFrameworkInitialization(&_LateStartup);
    fw::_RuntimeRun();
  } catch (...) {
    // If the report raises in turn, that exception leaves _Main pending.
    fw::_UnhandledException(std::current_exception());
  }
}

void _EarlyStartup() {
  fw::Application::_SetSupportsHiDPI(true);
  fw::_RuntimeInitExternalClasses();
  fw::_InitPluginEntrypoints();
  _InitFileTypes();
  _NewAppInstance();
  _ApplicationAddMenuHandlers();
}

void _InitFileTypes() {}

void _NewAppInstance() {
  auto app = fw::RuntimeCheckCast<App>(fw::RuntimeNewObject(App::Description()));
  app->Constructor();
  // The bar is given before the object is registered.
  app->SetMenuBar(MainMenuBar::ImplicitInstance());
  fw::_RuntimeRegisterAppObject(app);
}

void _ApplicationAddMenuHandlers() {}

void _LateStartup() { _MakeDefaultView(); }

void _MakeDefaultView() {
  // The framework keeps the window; the reference returned here goes at once.
  win_MainWindow::ImplicitInstance();
}

fw::Ref<fw::Object> _CallFunctionWithExceptionHandling(void (*function)(void*), void* argument) {
  if (fw::RuntimeHasPendingException()) return nullptr;
  try {
    function(argument);
  } catch (fw::RuntimeException& e) {
    // NOTE: `e` is the exception object itself, and the exception_ptr keeps it
    // alive: the caller gets the raised object, whatever its class.
    auto inFlight = std::make_shared<std::exception_ptr>(std::current_exception());
    return fw::Ref<fw::Object>(inFlight, &e);
  } catch (...) {
    fw::RuntimeSetPendingException(std::current_exception());
  }
  return nullptr;
}
