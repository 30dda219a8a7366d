// The playing baseline: a bare QWebEngineView with Qt's defaults, the size of
// tembrel's player, playing tembrel's player page from the same stream.
//
//     bench_bare_view <host> <port>
//
// Only what a bare view needs to play the page as it stands is set: the MP3
// type under the name the engine knows, a base on the stream's server, and a
// start that needs no click.
#include <unistd.h>

#include <QApplication>
#include <QString>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <cstdlib>

#include "PlayerPage.h"

namespace {

// The engine skips a source declared audio/mpg, and autoplay of a live stream
// sent in real time may never start by itself.
constexpr char kPlayWhenReady[] = R"JS(
  var audio = document.querySelector('audio');
  audio.addEventListener('canplay', function () { audio.play(); });
  audio.play().catch(function () {});
)JS";

}  // namespace

int main(int argc, char** argv) {
  // The engine's sandbox refuses to run as root, as in tembrel.
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);  // as Qt WebEngine asks of an application
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <host> <port>\n", argv[0]);
    return 2;
  }
  const std::string host = argv[1];
  const std::int64_t port = std::atoll(argv[2]);
  QString page = QString::fromStdString(PlayerPage("6C8EFE", true, host, port));
  page.replace(QStringLiteral("audio/mpg"), QStringLiteral("audio/mpeg"));

  QWebEngineView view;
  view.page()->settings()->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
  QObject::connect(&view, &QWebEngineView::loadFinished,
                   [&view] { view.page()->runJavaScript(QString::fromUtf8(kPlayWhenReady)); });
  view.resize(553, 74);
  view.setWindowTitle(QStringLiteral("bare view"));
  view.show();
  view.setHtml(page, QUrl(QStringLiteral("http://%1:%2/").arg(QString::fromStdString(host)).arg(port)));
  return app.exec();
}
