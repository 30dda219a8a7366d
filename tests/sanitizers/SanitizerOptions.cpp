// The sanitizers' settings, built into each test binary of a TEMBREL_SANITIZE
// build so that it runs the same under ctest and by hand (variables in the
// environment still come on top). The first report of any kind ends the test;
// leaks.supp lists the leaks of uninstrumented libraries that are let through.
//
// TEMBREL_ENGINE_TEST: a binary that starts the HTML engine, which runs
// Chromium (libQt6WebEngineCore, not instrumented) inside the process.
// Chromium frees some of its own objects with a sized delete of another size
// than their new; both ends are in libQt6WebEngineCore, reached from
// QWebEnginePage's destructor. ASan offers no suppression by library for that
// report, so that one check is off in these binaries only.

#ifdef TEMBREL_ENGINE_TEST
#include <sanitizer/lsan_interface.h>
#include <unistd.h>

#include <cstdio>

// Under AddressSanitizer the engine's own teardown, when the application
// object goes, now and then waits for ever on one of its threads (about one
// run in eight; never seen in the plain build). Once the tests and the
// finalisers are over, the leak check runs here and the process ends without
// that teardown.
extern "C" void tembrel_EndEngineTest(int result) {
  __lsan_do_leak_check();
  std::fflush(nullptr);
  _exit(result);
}
#endif

extern "C" const char* __asan_default_options() {
  return "detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1"
#ifdef TEMBREL_ENGINE_TEST
         ":new_delete_type_mismatch=0"
#endif
      ;
}

extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

extern "C" const char* __lsan_default_options() { return "suppressions=" TEMBREL_LEAK_SUPPRESSIONS; }
