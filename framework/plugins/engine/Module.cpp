// The HTML engine module's entry point: HTMLViewer loads this module with its
// first page and calls tembrel_CreateHTMLEngine for each view.
#include <unistd.h>

#include <QByteArray>
#include <QQuickWindow>
#include <type_traits>

#include "WebEngine.h"

namespace {

// The engine's own switches, and what each bought while playing a 128 kbit/s
// stream (bench_playing, each left out in turn in one run).
constexpr const char* kEngineSwitches[] = {
    // The audio service runs in this process instead of a process of its own:
    // one process and about 50 MiB of RSS fewer (362 against 415 MiB), for the
    // same CPU time (3,343 against 3,273 ms a minute).
    "--disable-features=AudioServiceOutOfProcess",
};

QByteArray EngineSwitches() {
  QByteArray switches;
  for (const char* engineSwitch : kEngineSwitches) switches += QByteArray(engineSwitch) + ' ';
  return switches.trimmed();
}

void PrepareEngine() {
  // The engine reads these when it starts. Ours replace whatever the
  // environment holds: the engine takes no switches from outside.
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", EngineSwitches());
  // Its sandbox refuses to run as root; nothing else needs it off.
  if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  // The view draws through Qt Quick's software scene graph. Through OpenGL,
  // adding the view to a window already shown makes Qt re-create that window
  // (it blinks, and whatever held it loses it). Now that a playing player
  // redraws once a second, the two cost the same CPU time; software holds
  // about 25 MiB less.
  QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) fw::HTMLEngine* tembrel_CreateHTMLEngine(QWidget* parent) {
  static const bool prepared = (PrepareEngine(), true);
  (void)prepared;
  return new fw::WebEngine(parent);
}

// The module and the viewer must agree on the entry point's type.
static_assert(std::is_same_v<decltype(&tembrel_CreateHTMLEngine), fw::HTMLEngineFactory>);
