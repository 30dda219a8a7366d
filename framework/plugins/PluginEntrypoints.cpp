#include "../runtime/Runtime.h"
#include "BevelButton.h"
#include "HTMLViewer.h"

namespace fw {

void _InitPluginEntrypoints() {
  RuntimeRegisterClass(BevelButton::Description());
  RuntimeRegisterClass(HTMLViewer::Description());
}

}  // namespace fw
