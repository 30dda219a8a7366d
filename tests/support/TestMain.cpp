#include <gtest/gtest.h>

#include <cstdlib>

#include "RuntimeSession.h"
#include "runtime/Runtime.h"

// Every test binary runs on Qt's offscreen platform with a real event loop.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  tembrel::test::StartRuntime(argv[0]);
  int result = RUN_ALL_TESTS();
  fw::RuntimePerformFinalizers();
  fw::RuntimeExit();
  return result;
}
