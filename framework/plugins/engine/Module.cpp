// The HTML engine module's entry point: HTMLViewer loads this module with its
// first page and calls tembrel_CreateHTMLEngine for each view.
#include <unistd.h>

#include <QCoreApplication>
#include <type_traits>

#include "WebEngine.h"

// Exported by libQt6WebEngineCore but declared in no public header; configure
// checks that it links. It makes the OpenGL context that the engine shares
// with the application, which Qt otherwise makes when the application starts.
namespace QtWebEngineCore {
void initialize();
}

namespace {

void PrepareEngine() {
  // The engine reads this when it starts. Its sandbox refuses to run as
  // root; nothing else needs it off.
  if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  QtWebEngineCore::initialize();
}

}  // namespace

extern "C" __attribute__((visibility("default"))) fw::HTMLEngine* tembrel_CreateHTMLEngine(QWidget* parent) {
  static const bool prepared = (PrepareEngine(), true);
  (void)prepared;
  return new fw::WebEngine(parent);
}

// The module and the viewer must agree on the entry point's type.
static_assert(std::is_same_v<decltype(&tembrel_CreateHTMLEngine), fw::HTMLEngineFactory>);
