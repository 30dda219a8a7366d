#include "HTMLViewer.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWidget>

#include <unistd.h>

#include "../runtime/ClassInfo.h"
#include "../runtime/Runtime.h"
#include "../ui/FolderItem.h"
#include "MediaScripts.h"

namespace fw {

namespace {

constexpr PropertyInfo kPluginProperties[] = {Property<&_HTMLViewerPlugin::SetRenderer>("Renderer")};

constexpr MethodInfo kViewerMethods[] = {
    {"LoadPage", "( String, FolderItem )"},
    {"_EditClear_Action", "(  ) as Boolean", "Hidden"},
    {"_EditCopy_Action", "(  ) as Boolean", "Hidden"},
    {"_EditCut_Action", "(  ) as Boolean", "Hidden"},
    {"_EditPaste_Action", "(  ) as Boolean", "Hidden"},
    {"_EditSelectAll_Action", "(  ) as Boolean", "Hidden"},
};

QWebEnginePage::WebAction EditAction(std::string_view itemName) {
  if (itemName == "EditUndo") return QWebEnginePage::Undo;
  if (itemName == "EditCut") return QWebEnginePage::Cut;
  if (itemName == "EditCopy") return QWebEnginePage::Copy;
  if (itemName == "EditPaste") return QWebEnginePage::Paste;
  if (itemName == "EditSelectAll") return QWebEnginePage::SelectAll;
  return QWebEnginePage::NoWebAction;
}

void PrepareHTMLEngine() {
  // The engine reads this when it starts, with the first page. Its sandbox
  // refuses to run as root; nothing else needs it off.
  if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
}

}  // namespace

const ClassInfo& _HTMLViewerPlugin::Description() {
  static const ClassInfo info{.name = "_HTMLViewerPlugin",
                              .base = &RectControl::Description(),
                              .properties = kPluginProperties,
                              .events = kOwnEvents};
  return info;
}
const ClassInfo& _HTMLViewerPlugin::Class() const { return Description(); }

const ClassInfo& HTMLViewer::Description() {
  static const ClassInfo info{.name = "HTMLViewer",
                              .base = &_HTMLViewerPlugin::Description(),
                              .events = kOwnEvents,
                              .methods = kViewerMethods,
                              .create = &Create<HTMLViewer>};
  return info;
}
const ClassInfo& HTMLViewer::Class() const { return Description(); }

HTMLViewer::HTMLViewer() : _HTMLViewerPlugin(NewUIObject<QWidget>()) {
  auto* layout = new QVBoxLayout(_Widget());
  layout->setContentsMargins(0, 0, 0, 0);
}

HTMLViewer::~HTMLViewer() {
  // The page must go before the profile it was made with.
  delete view_;
}

void HTMLViewer::StartEngine() {
  PrepareHTMLEngine();
  profile_ = std::make_unique<QWebEngineProfile>();  // off the record: nothing is kept between runs
  InstallMediaScripts(*profile_);
  view_ = new QWebEngineView(_Widget());
  auto* page = new QWebEnginePage(profile_.get(), view_);
  QWebEngineSettings* settings = page->settings();
  // The page's base is a local file and its stream is on the network.
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
  // Autoplay is the user's own choice, made in the window.
  settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
  view_->setPage(page);
  view_->setContextMenuPolicy(Qt::NoContextMenu);
  _Widget()->layout()->addWidget(view_);
}

void HTMLViewer::LoadPage(std::string_view source, const Ref<FolderItem>& base) {
  CheckMainThread();
  if (!view_) StartEngine();
  source_ = std::string(source);
  QUrl baseUrl = base ? QUrl::fromLocalFile(QString::fromStdString(base->NativePath())) : QUrl();
  view_->setHtml(QString::fromUtf8(source.data(), static_cast<qsizetype>(source.size())), baseUrl);
  base_ = base;  // the page before, and its base file, go now
}

void HTMLViewer::SetVisible(bool visible) {
  RectControl::SetVisible(visible);
  // Nothing plays where the user cannot see its controls to stop it.
  if (!visible && view_) {
    view_->page()->runJavaScript(QStringLiteral("document.querySelectorAll('audio,video').forEach(function (e) { e.pause(); });"));
  }
}

void HTMLViewer::_Open() {
  _HTMLViewerPlugin::_Open();
  RaiseEvent(EventPositionOf(kEventTable, "HTMLViewer.Open"), SelfOrNil());
}

void HTMLViewer::_StandardEditAction(QWidget* focus, std::string_view itemName) {
  QWebEnginePage::WebAction action = EditAction(itemName);
  if (view_ && action != QWebEnginePage::NoWebAction) {
    view_->page()->triggerAction(action);
  } else {
    RectControl::_StandardEditAction(focus, itemName);
  }
}


}  // namespace fw
