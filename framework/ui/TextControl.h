#pragma once

#include <memory>
#include <string>

#include "../runtime/ClassInfo.h"
#include "RectControl.h"

namespace fw {

// The text style that Label, CheckBox, PushButton and BevelButton share. It is
// no class of the runtime: each of them declares these properties in its own table.
// TextFont "System" (or "") is the desktop's font and TextSize 0 its size;
// other sizes are in TextUnit, where the default unit is the point.
class TextControl : public RectControl {
 public:
  using RectControl::RectControl;

  const std::string& TextFont() const { return textFont_; }
  void SetTextFont(std::string font);
  float TextSize() const { return textSize_; }
  void SetTextSize(float size);
  FontUnits TextUnit() const { return textUnit_; }
  void SetTextUnit(FontUnits unit);
  bool Bold() const { return bold_; }
  void SetBold(bool bold);
  bool Italic() const { return italic_; }
  void SetItalic(bool italic);
  bool Underline() const { return underline_; }
  void SetUnderline(bool underline);

 private:
  void ApplyFont();

  std::string textFont_ = "System";
  float textSize_ = 0;
  FontUnits textUnit_ = FontUnits::Default;
  bool bold_ = false;
  bool italic_ = false;
  bool underline_ = false;
};

}  // namespace fw
