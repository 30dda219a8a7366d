#include "WebEngine.h"

#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "MediaScripts.h"

namespace fw {

namespace {

QWebEnginePage::WebAction PageAction(HTMLEngine::EditAction action) {
  switch (action) {
    case HTMLEngine::EditAction::Undo: return QWebEnginePage::Undo;
    case HTMLEngine::EditAction::Cut: return QWebEnginePage::Cut;
    case HTMLEngine::EditAction::Copy: return QWebEnginePage::Copy;
    case HTMLEngine::EditAction::Paste: return QWebEnginePage::Paste;
    case HTMLEngine::EditAction::SelectAll: return QWebEnginePage::SelectAll;
  }
  return QWebEnginePage::NoWebAction;
}

}  // namespace

WebEngine::WebEngine(QWidget* parent)
    : profile_(std::make_unique<QWebEngineProfile>()),  // off the record: nothing is kept between runs
      view_(std::make_unique<QWebEngineView>(parent)) {
  InstallMediaScripts(*profile_);
  QWebEngineSettings* settings = profile_->settings();  // every page of the profile's
  // The page's base is a local file and its stream is on the network.
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
  // Autoplay is the user's own choice, made in the window.
  settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
  view_->setPage(new QWebEnginePage(profile_.get(), view_.get()));
  view_->setContextMenuPolicy(Qt::NoContextMenu);
}

WebEngine::~WebEngine() = default;

QWidget* WebEngine::View() { return view_.get(); }

void WebEngine::SetHtml(const QString& html, const QUrl& base) {
  ++documents_;
  view_->setHtml(html, base);
}

void WebEngine::Clear() {
  // An empty document in the page's place ends at once its connections, its
  // sound and its timers. Once it is in, the page is discarded as well: its
  // renderer ends, with all the memory it held. Shown again, the page comes
  // back with the empty document, never with the one before it.
  QWebEnginePage* page = view_->page();
  const std::uint64_t empty = ++documents_;
  QObject::connect(
      page, &QWebEnginePage::loadFinished, page,
      [this, page, empty](bool ok) {
        if (!ok || empty != documents_ || page->isVisible()) return;
        page->setLifecycleState(QWebEnginePage::LifecycleState::Frozen);
        page->setLifecycleState(QWebEnginePage::LifecycleState::Discarded);
      },
      Qt::SingleShotConnection);
  view_->setHtml(QString());
}

void WebEngine::RunJavaScript(const QString& script, std::function<void(const QVariant&)> done) {
  if (done) {
    view_->page()->runJavaScript(script, std::move(done));
  } else {
    view_->page()->runJavaScript(script);
  }
}

void WebEngine::Trigger(EditAction action) { view_->page()->triggerAction(PageAction(action)); }

}  // namespace fw
