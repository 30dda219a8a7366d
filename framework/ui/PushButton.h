#pragma once

#include <cstdint>
#include <string>

#include "TextControl.h"

class QPushButton;

namespace fw {

// A push button; a click raises Action with the button.
class PushButton : public TextControl {
 public:
  static constexpr EventInfo kOwnEvents[] = {{"Action"}};
  static constexpr EventTable kEventTable{"PushButton", &RectControl::kEventTable, kOwnEvents};

  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  // PushButton.ButtonFrameStyle
  enum ButtonFrameStyle : std::int64_t { StyleNormal = 0 };

  PushButton();

  std::string Caption() const;
  void SetCaption(std::string caption);
  bool Default() const;
  void SetDefault(bool isDefault);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool isCancel) { cancel_ = isCancel; }
  std::int64_t ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(std::int64_t style) { buttonStyle_ = style; }

 private:
  QPushButton& Widget() const;
  void Clicked();

  bool cancel_ = false;
  std::int64_t buttonStyle_ = StyleNormal;
};

// Handlers are attached by this position: it must not move.
static_assert(EventPositionOf(PushButton::kEventTable, "PushButton.Action") == 15);

}  // namespace fw
