#include <gtest/gtest.h>

#include <cstdlib>

#include "RuntimeSession.h"
#include "runtime/Runtime.h"

// Defined only in a sanitizer build's binaries that start the HTML engine
// (sanitizers/SanitizerOptions.cpp).
extern "C" __attribute__((weak)) void tembrel_EndEngineTest(int result);

// Every test binary runs on Qt's offscreen platform with a real event loop.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  tembrel::test::StartRuntime(argv[0]);
  int result = RUN_ALL_TESTS();
  fw::RuntimePerformFinalizers();
  if (tembrel_EndEngineTest) tembrel_EndEngineTest(result);
  fw::RuntimeExit();
  return result;
}
