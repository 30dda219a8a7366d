#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "../ui/RectControl.h"

namespace fw {

class FolderItem;
class HTMLEngine;

// The viewer plug-in's base: what the plug-in itself keeps of the control.
class _HTMLViewerPlugin : public RectControl {
 public:
  static constexpr EventInfo kOwnEvents[] = {
      {"CancelLoad"},      {"DocumentBegin"},     {"DocumentComplete"}, {"DocumentProgressChanged"},
      {"Error"},           {"JavaScriptRequest"}, {"NewWindow"},        {"SecurityChanged"},
      {"StatusChanged"},   {"TitleChanged"},      {"GotFocus"},         {"LostFocus"},
      {"MouseDown"},       {"MouseDrag"},         {"MouseUp"},          {"DoubleClick"},
      {"DownloadStarted"}, {"DownloadComplete"},  {"PrintRequested"},
  };
  static constexpr EventTable kEventTable{"_HTMLViewerPlugin", &RectControl::kEventTable, kOwnEvents};

  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  using RectControl::RectControl;

  std::int64_t Renderer() const { return renderer_; }
  void SetRenderer(std::int64_t renderer) { renderer_ = renderer; }

 private:
  std::int64_t renderer_ = 0;
};

// Shows an HTML document given as text and plays its audio. The HTML engine
// is loaded and started with the first page, so that a viewer that never
// loads one costs nothing; where it cannot be loaded the viewer stays empty.
class HTMLViewer : public _HTMLViewerPlugin {
 public:
  static constexpr EventInfo kOwnEvents[] = {{"Open"}, {"Close"}};
  static constexpr EventTable kEventTable{"HTMLViewer", &_HTMLViewerPlugin::kEventTable, kOwnEvents};

  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  HTMLViewer();
  ~HTMLViewer() override;

  // Shows `source` with `base` as its location; the viewer keeps `base` until the next page.
  void LoadPage(std::string_view source, const Ref<FolderItem>& base);
  // A hidden viewer drops its page, and all that the page runs; shown again,
  // it loads the page afresh unless it is given a new one first.
  void SetVisible(bool visible) override;

  // The viewer's own handlers of the edit items: none handles its command here.
  virtual bool _EditClear_Action() { return false; }
  virtual bool _EditCopy_Action() { return false; }
  virtual bool _EditCut_Action() { return false; }
  virtual bool _EditPaste_Action() { return false; }
  virtual bool _EditSelectAll_Action() { return false; }

  void _Open() override;
  void _StandardEditAction(QWidget* focus, std::string_view itemName) override;

  // The engine, or nullptr before the first page and where it cannot be loaded.
  HTMLEngine* _Engine() const { return engine_.get(); }
  // The page last given to LoadPage, and its base.
  const std::string& _Source() const { return source_; }
  const Ref<FolderItem>& _Base() const { return base_; }

 private:
  void StartEngine();
  void ShowSource(const Ref<FolderItem>& base);

  std::unique_ptr<HTMLEngine> engine_{};  // its view is a child of the control's widget
  std::string source_{};
  Ref<FolderItem> base_{};
  bool pageCleared_ = false;  // hidden since the page was shown
};

// Handlers are attached by this position: it must not move.
static_assert(EventPositionOf(HTMLViewer::kEventTable, "HTMLViewer.Open") == 34);

}  // namespace fw
