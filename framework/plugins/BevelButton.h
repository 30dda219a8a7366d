#pragma once

#include <memory>
#include <string>

#include "../runtime/ClassInfo.h"
#include "../runtime/Color.h"
#include "../ui/TextControl.h"

class QMenu;
class QToolButton;

namespace fw {

// A button that pops up a menu of rows when HasMenu is 1. Choosing a row sets
// MenuValue to its index and raises Action. Its text style is a text
// control's (the class's base in the runtime is RectControl all the same).
class BevelButton : public TextControl {
 public:
  static constexpr EventInfo kOwnEvents[] = {{"GotFocus"}, {"LostFocus"}, {"Action"}, {"MouseDown"}, {"MouseUp"}};
  static constexpr EventTable kEventTable{"BevelButton", &RectControl::kEventTable, kOwnEvents};

  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  BevelButton();
  ~BevelButton() override;

  void AddRow(std::string text);
  std::int64_t MenuValue() const { return menuValue_; }
  void SetMenuValue(std::int64_t value);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  void SetHasMenu(std::int64_t v);
  void SetCaptionAlign(std::int64_t v) { captionAlign_ = v; }
  void SetCaptionPlacement(std::int64_t v) { captionPlacement_ = v; }
  void SetCaptionDelta(std::int64_t v) { captionDelta_ = v; }
  void SetIconAlign(std::int64_t v) { iconAlign_ = v; }
  void SetIconDX(std::int64_t v) { iconDX_ = v; }
  void SetIconDY(std::int64_t v) { iconDY_ = v; }
  void SetBevel(std::int64_t v) { bevel_ = v; }
  void SetButtonType(std::int64_t v) { buttonType_ = v; }
  void SetHasBackColor(bool v);
  void SetBackColor(Color c);
  void SetTextColor(Color c);
  void SetValue(bool v) { value_ = v; }
  void SetAcceptFocus(bool v);

 private:
  void RowChosen(int index);
  void UpdateColors();

  QToolButton* button_;
  std::unique_ptr<QMenu> menu_;
  std::int64_t menuValue_ = 0;
  std::string caption_{};
  std::int64_t hasMenu_ = 0, captionAlign_ = 0, captionPlacement_ = 0, captionDelta_ = 0;
  std::int64_t iconAlign_ = 0, iconDX_ = 0, iconDY_ = 0, bevel_ = 0, buttonType_ = 0;
  bool hasBackColor_ = false, value_ = false;
  Color backColor_{}, textColor_{};
};

// Handlers are attached by this position: it must not move.
static_assert(EventPositionOf(BevelButton::kEventTable, "BevelButton.Action") == 17);

}  // namespace fw
