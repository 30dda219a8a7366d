#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "../runtime/Delegate.h"
#include "Control.h"
#include "UIObject.h"

class QWidget;

namespace fw {

// A control that occupies a rectangle of its window. Positions are in the
// window's coordinates, whatever control the widget is placed inside. The
// widget may reach past the rectangle (see ContentOverhang), never fall short of it.
class RectControl : public Control {
 public:
  static constexpr EventInfo kOwnEvents[] = {
      {"ConstructContextualMenu"},
      {"ContextualMenuAction"},
      {"DragEnter"},
      {"DragExit"},
      {"DragOver"},
      {"DropObject"},
      {"KeyDown"},
      {"KeyUp"},
      {"MouseEnter"},
      {"MouseExit"},
      {"MouseMove"},
      {"MouseWheel"},
  };
  static constexpr EventTable kEventTable{"RectControl", &Control::kEventTable, kOwnEvents};

  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  explicit RectControl(std::unique_ptr<QWidget> widget);
  ~RectControl() override;

  void Constructor();

  std::int64_t Left() const { return left_; }
  void SetLeft(std::int64_t v);
  std::int64_t Top() const { return top_; }
  void SetTop(std::int64_t v);
  std::int64_t Width() const { return width_; }
  void SetWidth(std::int64_t v);
  std::int64_t Height() const { return height_; }
  void SetHeight(std::int64_t v);
  void SetLockLeft(bool v) { lockLeft_ = v; }
  void SetLockTop(bool v) { lockTop_ = v; }
  void SetLockRight(bool v) { lockRight_ = v; }
  void SetLockBottom(bool v) { lockBottom_ = v; }
  std::int64_t TabIndex() const { return tabIndex_; }
  void SetTabIndex(std::int64_t v) { tabIndex_ = v; }
  void SetTabStop(bool v);
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool v);
  void SetAutoDeactivate(bool v) { autoDeactivate_ = v; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  void SetHelpTag(std::string v);
  const std::string& InitialParent() const { return initialParent_; }
  // Places the widget inside the named control of the same window ("" for the window itself).
  void SetInitialParent(std::string name);

  void Invalidate(bool eraseBackground = true);

  // Registers this control's own handler of a menu item; it answers whether it handled the command.
  void _AddMenuHandler(std::string itemName, Delegate handler);
  bool _HandleMenuCommand(std::string_view itemName);
  bool _HasMenuHandler(std::string_view itemName) const { return menuHandlers_.contains(itemName); }
  // The standard edit action for a menu item, applied to the focused widget inside this control.
  virtual void _StandardEditAction(QWidget* focus, std::string_view itemName);

  void _SetOwner(const Ref<fw::Window>& window) override;
  QWidget* _Widget() const { return widget_.get(); }
  static RectControl* _ControlOf(QWidget* widget);

 protected:
  struct Overhang {
    int left = 0, top = 0, right = 0, bottom = 0;
  };
  enum class Anchor { Left, Center, Right };

  // Transparent controls let the window's background show through.
  virtual void ApplyTransparent();
  // How far the widget reaches past the control's rectangle on each side, so
  // that content larger than the rectangle is not cut off. Left, Top, Width
  // and Height keep the values they were given.
  virtual Overhang ContentOverhang() const { return {}; }
  // The overhang in which the widget's preferred size fits: centred
  // vertically, and growing horizontally away from the side `anchor` names.
  Overhang OverhangToFit(Anchor anchor) const;
  // Sets the widget's geometry anew, as after a change of ContentOverhang.
  void Place();
  // Whether the widget takes the focus, by click and by Tab, while the control is a tab stop.
  void SetTakesFocus(bool v);

 private:
  void UpdateShown();
  Ref<RectControl> ParentControl() const;
  // The control of `window` named `name` ("" for none); raises when there is no such control.
  Ref<RectControl> ControlNamed(const fw::Window& window, const std::string& name) const;
  void ApplyFocusPolicy();

  std::unique_ptr<QWidget> widget_;
  std::int64_t left_ = 0, top_ = 0, width_ = 100, height_ = 100;
  bool lockLeft_ = true, lockTop_ = true, lockRight_ = false, lockBottom_ = false;
  std::int64_t tabIndex_ = 0;
  bool tabStop_ = true;
  int focusPolicy_ = 0;  // the widget's own Qt::FocusPolicy, whatever TabStop says
  bool visible_ = true;
  bool autoDeactivate_ = true;
  bool enabled_ = true;
  bool transparent_ = false;
  std::string initialParent_{};
  std::map<std::string, Delegate, std::less<>> menuHandlers_{};
};

// The edit action named by a standard Edit item ("EditCut", "EditCopy",
// "EditPaste", "EditClear", "EditSelectAll", "EditUndo") on a widget that has it.
void StandardEditAction(QWidget* focus, std::string_view itemName);

}  // namespace fw
