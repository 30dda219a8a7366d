#pragma once

#include <cstdint>

#include "../runtime/Color.h"
#include "RectControl.h"

namespace fw {

// A filled rectangle with a border BorderWidth pixels wide: the top and left
// edges in TopLeftColor, the bottom and right edges in BottomRightColor.
class Rectangle : public RectControl {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  Rectangle();

  Color FillColor() const { return fillColor_; }
  void SetFillColor(Color color);
  Color TopLeftColor() const { return topLeftColor_; }
  void SetTopLeftColor(Color color);
  Color BottomRightColor() const { return bottomRightColor_; }
  void SetBottomRightColor(Color color);
  std::int64_t BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(std::int64_t width);

 private:
  Color fillColor_{0xFFFFFF};
  Color topLeftColor_{};
  Color bottomRightColor_{};
  std::int64_t borderWidth_ = 1;
};

}  // namespace fw
