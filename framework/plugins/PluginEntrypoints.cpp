#include "../runtime/Runtime.h"
#include "BevelButton.h"
#include "HTMLViewer.h"

namespace fw {

void _InitPluginEntrypoints() {
  PrepareHTMLEngine();
  RuntimeRegisterClass(BevelButton::Description());
  RuntimeRegisterClass(HTMLViewer::Description());
}

}  // namespace fw
