#pragma once

#include <exception>
#include <span>
#include <string_view>

#include "ClassInfo.h"
#include "Exceptions.h"
#include "Finalizers.h"
#include "Object.h"

namespace fw {

class Application;
class Window;

using ExceptionHelper = Ref<Object> (*)(void (*)(void*), void*);

// Start-up and exit. The runtime owns the process-wide state: the registered
// classes, the application object, the windows, the pending exception and the
// exit status; RuntimePerformFinalizers releases all of it.
//
// RuntimeInit makes Qt's application object, giving Qt no command line: only
// `programName`, which may be nullptr; and installs the quit signals
// (QuitSignals.h).
void RuntimeInit(const char* programName);
// Runs the framework's own initialisers, then `systemEntries` in order. An
// exception that escapes an initialiser is left pending and stops the list.
void RuntimePerformInitializers(std::span<const Initializer> systemEntries = {});
void RuntimePerformFinalizers();
// The exit status; it also ends Qt's application object.
int RuntimeExit();
void _RuntimeSetExceptionHelper(ExceptionHelper helper);
void RuntimeSetVersion(double version);
void _RuntimeInitExternalClasses();
void _InitPluginEntrypoints();
void _RuntimeRegisterAppObject(const Ref<Application>& app);
Ref<Application> RuntimeAppObject();
void _RunFrameworkInitialization(void (*lateStartup)());
void _RuntimeRun();
void Quit(int code = 0);

// The exception that is "pending": taken over from a step whose caller does
// not look at it, and handed on by the next step that does.
bool RuntimeHasPendingException();
void RuntimeSetPendingException(std::exception_ptr exception);
std::exception_ptr RuntimeTakePendingException();
// Runs `fn`; an exception that escapes it is left pending.
void RuntimeCallLeavingPending(void (*fn)());

// The unhandled-exception report: the exception's class and message, one line
// on standard error.
void RuntimeReportUnhandledException(std::exception_ptr exception);
// An exception that reached _Main, from start-up or out of the event loop: it
// is reported, and the application ends with exit status 1.
void _UnhandledException(std::exception_ptr exception);
using UnhandledExceptionObserver = void (*)(std::exception_ptr);
// Tests watch the report through an observer, called first; nullptr removes it.
void RuntimeSetUnhandledExceptionObserver(UnhandledExceptionObserver observer);
std::string DescribeException(std::exception_ptr exception);

// Runs an event handler from the event loop: what it lets escape is reported
// and the loop goes on, so that one failed event does not end the application.
template <class F>
void Dispatch(F&& handler) {
  try {
    handler();
  } catch (...) {
    RuntimeReportUnhandledException(std::current_exception());
  }
}

// Class registry: a class is registered after its base and never twice.
void RuntimeRegisterClass(const ClassInfo& cls);
const ClassInfo* RuntimeLookupClass(std::string_view fullName);
bool RuntimeIsRegistered(const ClassInfo& cls);
Ref<Object> RuntimeNewObject(const ClassInfo& cls);

// The verifying cast: nil stays nil; an object of another class raises IllegalCastException.
template <class T>
Ref<T> RuntimeCheckCast(const Ref<Object>& object) {
  if (!object) return nullptr;
  auto cast = std::dynamic_pointer_cast<T>(object);
  if (!cast || !IsA(object->Class(), T::Description())) {
    throw IllegalCastException(std::string(object->Class().name) + " is not a " + std::string(T::Description().name));
  }
  return cast;
}

void RuntimeAddEventHandler(const Ref<Object>& object, int position, Delegate delegate);
void RuntimeRemoveEventHandler(const Ref<Object>& object, int position, const Delegate& delegate);

template <class P, class T, class R, class... A>
Delegate RuntimeCreateDelegate(const Ref<P>& target, R (T::*method)(A...), std::string_view signature, int flag) {
  if (!target) throw NilObjectException();
  return Delegate(target, method, signature, flag);
}

// Raises ThreadAccessingUIException off the main thread, once an application object exists.
void CheckMainThread();

}  // namespace fw
