// The HTML engine module's entry point: HTMLViewer loads this module with its
// first page and calls tembrel_CreateHTMLEngine for each view.
#include <unistd.h>

#include <QByteArray>
#include <QQuickWindow>
#include <type_traits>

#include "WebEngine.h"

namespace {

// The engine's own switches, and what each bought: CPU time of the whole
// process tree per minute of playing a 128 kbit/s stream (bench_playing).
constexpr const char* kEngineSwitches[] = {
    // The audio service runs in this process instead of a process of its own:
    // one process and its share of every block of sound fewer.
    "--disable-features=AudioServiceOutOfProcess",
    // Sound goes to the sound server in blocks of 4096 frames (about 90 ms)
    // instead of about 10 ms: a live stream has no use for low latency, and
    // every block wakes three threads in two processes.
    "--audio-buffer-size=4096",
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
  // (it blinks, and whatever held it loses it), and each frame is drawn by
  // software OpenGL and read back.
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
