#include "Startup.h"
#include "runtime/Runtime.h"

int main(int, char** argv) {
  fw::RuntimeInit(argv[0]);
  fw::RuntimePerformInitializers(SystemInitializers());
  fw::RuntimeCallLeavingPending(&_Main);
  fw::RuntimePerformFinalizers();
  return fw::RuntimeExit();
}
