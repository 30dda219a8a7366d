#include "Startup.h"
#include "runtime/Runtime.h"

int main(int argc, char** argv) {
  fw::RuntimeInit(argc, argv);
  fw::RuntimePerformInitializers(SystemInitializers());
  fw::RuntimeCallLeavingPending(&_Main);
  fw::RuntimePerformFinalizers();
  return fw::RuntimeExit();
}
