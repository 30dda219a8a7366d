// The sanitizers' settings, built into each test binary of a TEMBREL_SANITIZE
// build so that it runs the same under ctest and by hand (variables in the
// environment still come on top). The first report of any kind ends the test.
//
// TEMBREL_ENGINE_TEST: a binary that starts the HTML engine, which runs
// Chromium (libQt6WebEngineCore, not instrumented) inside the process.
// - Chromium frees some of its own objects with a sized delete of another size
//   than their new; both ends are in libQt6WebEngineCore, reached from
//   QWebEnginePage's destructor. ASan offers no suppression by library for that
//   report, so that one check is off in these binaries only.
// - Leaks are suppressed by library only, and each report that these entries
//   cover was checked with fast_unwind_on_malloc=0 to hold no frame of ours:
//   Chromium's threads, profile and device monitor (libudev, reached from the
//   engine) keep what they allocated until the process ends, and fontconfig
//   keeps the configuration that it parsed for Qt's font database.

extern "C" const char* __asan_default_options() {
  return "detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1"
#ifdef TEMBREL_ENGINE_TEST
         ":new_delete_type_mismatch=0"
#endif
      ;
}

extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

#ifdef TEMBREL_ENGINE_TEST
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libQt6WebEngineCore.so\n"
         "leak:libfontconfig.so\n";
}
#endif
