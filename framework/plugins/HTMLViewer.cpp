#include "HTMLViewer.h"

#include <QString>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <optional>
#include <utility>

#include "../runtime/ClassInfo.h"
#include "../runtime/Runtime.h"
#include "../ui/FolderItem.h"
#include "HTMLEngine.h"
#include "HTMLEngineModule.h"

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

std::optional<HTMLEngine::EditAction> EditAction(std::string_view itemName) {
  if (itemName == "EditUndo") return HTMLEngine::EditAction::Undo;
  if (itemName == "EditCut") return HTMLEngine::EditAction::Cut;
  if (itemName == "EditCopy") return HTMLEngine::EditAction::Copy;
  if (itemName == "EditPaste") return HTMLEngine::EditAction::Paste;
  if (itemName == "EditSelectAll") return HTMLEngine::EditAction::SelectAll;
  return std::nullopt;
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

HTMLViewer::~HTMLViewer() = default;

void HTMLViewer::StartEngine() {
  engine_ = CreateHTMLEngine(*_Widget());
  if (engine_) _Widget()->layout()->addWidget(engine_->View());
}

void HTMLViewer::LoadPage(std::string_view source, const Ref<FolderItem>& base) {
  CheckMainThread();
  if (!engine_) StartEngine();
  source_ = std::string(source);
  pageCleared_ = false;
  ShowSource(base);
  base_ = base;  // the page before, and its base file, go now
}

void HTMLViewer::ShowSource(const Ref<FolderItem>& base) {
  if (!engine_) return;
  QUrl baseUrl = base ? QUrl::fromLocalFile(QString::fromStdString(base->NativePath())) : QUrl();
  engine_->SetHtml(QString::fromStdString(source_), baseUrl);
}

void HTMLViewer::SetVisible(bool visible) {
  RectControl::SetVisible(visible);
  if (!engine_) return;
  if (!visible) {
    // Nothing runs where the user cannot see it: no stream, no sound, no timers.
    if (!std::exchange(pageCleared_, true)) engine_->Clear();
  } else if (pageCleared_) {
    // Shown again: the page comes back, loaded afresh, unless a new one comes
    // first, as it does when the window goes on the air. The old page is not
    // brought back in between.
    QTimer::singleShot(0, _Widget(), [this] {
      if (pageCleared_ && Visible()) {
        pageCleared_ = false;
        ShowSource(base_);
      }
    });
  }
}

void HTMLViewer::_Open() {
  _HTMLViewerPlugin::_Open();
  RaiseEvent(EventPositionOf(kEventTable, "HTMLViewer.Open"), SelfOrNil());
}

void HTMLViewer::_StandardEditAction(QWidget* focus, std::string_view itemName) {
  const std::optional<HTMLEngine::EditAction> action = EditAction(itemName);
  if (engine_ && action) {
    engine_->Trigger(*action);
  } else {
    RectControl::_StandardEditAction(focus, itemName);
  }
}

}  // namespace fw
