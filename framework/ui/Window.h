#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "../runtime/Color.h"
#include "../runtime/Object.h"

class QWidget;
class QPainter;
class QRect;

namespace fw {

class MenuBar;
class WindowWidget;

// A top-level window. The framework keeps every window it makes until the
// application ends; a window has no close of its own while the application runs.
class Window : public Object {
 public:
  static constexpr EventInfo kOwnEvents[] = {
      {"Activate"},
      {"CancelClose"},
      {"Close"},
      {"ConstructContextualMenu"},
      {"ContentsChanged"},
      {"ContextualMenuAction"},
      {"Deactivate"},
      {"CreateControls"},
      {"DragEnter"},
      {"DragExit"},
      {"DragOver"},
      {"DropObject"},
      {"EnableMenuItems"},
      {"KeyDown"},
      {"KeyUp"},
      {"Maximize"},
      {"Layout"},
      {"Minimize"},
      {"MouseDown"},
      {"MouseDrag"},
      {"MouseEnter"},
      {"MouseExit"},
      {"MouseMove"},
      {"MouseUp"},
      {"MouseWheel"},
      {"Moved"},
      {"MenuBarSelected"},
      {"Open"},
      {"Paint"},
      {"Resized"},
      {"Resizing"},
      {"Restore"},
      {"ScaleFactorChanged"},
      {"Shown"},
  };
  static constexpr EventTable kEventTable{"Window", &Object::kEventTable, kOwnEvents};

  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  Window();
  ~Window() override;

  // Keeps the window, raises CreateControls, Layout, each control's Open and
  // the window's Open, then shows it. An exception from a handler passes to the caller.
  virtual void Constructor();
  // A new object of `cls` that belongs to this window.
  virtual Ref<Object> __New(const ClassInfo& cls);
  virtual void _AddControl(std::string_view name, const Ref<Object>& control);
  // The object registered under `name`, or nil.
  virtual Ref<Object> _ControlByName(std::string_view name) const;
  std::size_t _ControlCount() const { return controls_.size(); }

  std::string Title() const;
  void SetTitle(std::string title);
  Ref<fw::MenuBar> MenuBar() const;
  void SetMenuBar(Ref<fw::MenuBar> bar);
  std::int64_t Width() const;
  void SetWidth(std::int64_t width);
  std::int64_t Height() const;
  void SetHeight(std::int64_t height);
  void SetMinWidth(std::int64_t v);
  void SetMinHeight(std::int64_t v);
  void SetMaxWidth(std::int64_t v);
  void SetMaxHeight(std::int64_t v);
  void SetFrame(std::int64_t v) { frame_ = v; }
  void SetMacProcId(std::int64_t v) { macProcId_ = v; }
  void SetPlacement(std::int64_t v) { placement_ = v; }
  bool CloseButton() const { return closeButton_; }
  void SetCloseButton(bool v);
  bool Resizeable() const { return resizeable_; }
  void SetResizeable(bool v);
  void SetMaximizeButton(bool v);
  bool MinimizeButton() const { return minimizeButton_; }
  void SetMinimizeButton(bool v);
  void SetFullScreenButton(bool v) { fullScreenButton_ = v; }
  void SetComposite(bool v) { composite_ = v; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  void SetLiveResize(bool v) { liveResize_ = v; }
  void SetFullScreen(bool v);
  void SetHasBackColor(bool v);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color c);
  void SetMenuBarVisible(bool v);

  QWidget* _Content() const;
  QWidget* _NativeWindow() const;
  void _Paint(QPainter& painter, const QRect& area);

 private:
  void UpdateFlags();
  void UpdateSizeLimits();
  void UpdateBackground();

  std::unique_ptr<WindowWidget> widget_;
  std::vector<std::pair<std::string, Ref<Object>>> controls_{};
  Ref<fw::MenuBar> menuBar_{};
  std::int64_t minWidth_ = 64, minHeight_ = 64, maxWidth_ = 32000, maxHeight_ = 32000;
  std::int64_t frame_ = 0, macProcId_ = 0, placement_ = 0;
  bool closeButton_ = true, resizeable_ = true, maximizeButton_ = true, minimizeButton_ = true;
  bool fullScreenButton_ = false, composite_ = false, visible_ = true, liveResize_ = true;
  bool fullScreen_ = false, hasBackColor_ = false, menuBarVisible_ = true;
  bool constructing_ = false, constructed_ = false;
  std::int64_t width_ = 300, height_ = 300;
  Color backColor_{0xFFFFFF};
};

// Handlers are attached and named by these positions: they must not move.
static_assert(EventCountOf(Window::kEventTable) == 34);
static_assert(EventPositionOf(Window::kEventTable, "Window.CreateControls") == 7);
static_assert(EventPositionOf(Window::kEventTable, "Window.Layout") == 16);
static_assert(EventPositionOf(Window::kEventTable, "Window.Open") == 27);
static_assert(EventPositionOf(Window::kEventTable, "Window.Paint") == 28);

// The window whose class has this full name, among the windows the framework keeps; nil when none.
Ref<Window> _GetImplicitWindow(std::string_view fullName);
// Every window the framework keeps, oldest first.
std::vector<Ref<Window>> RuntimeWindows();

}  // namespace fw
