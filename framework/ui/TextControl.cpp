#include "TextControl.h"

#include <QFont>
#include <QWidget>
#include <cmath>

namespace fw {

namespace {

constexpr double kPointsPerInch = 72;
constexpr double kMillimetersPerInch = 25.4;

}  // namespace

void TextControl::SetTextFont(std::string font) {
  textFont_ = std::move(font);
  ApplyFont();
}

void TextControl::SetTextSize(float size) {
  textSize_ = size;
  ApplyFont();
}

void TextControl::SetTextUnit(FontUnits unit) {
  textUnit_ = unit;
  ApplyFont();
}

void TextControl::SetBold(bool bold) {
  bold_ = bold;
  ApplyFont();
}

void TextControl::SetItalic(bool italic) {
  italic_ = italic;
  ApplyFont();
}

void TextControl::SetUnderline(bool underline) {
  underline_ = underline;
  ApplyFont();
}

void TextControl::ApplyFont() {
  // A default QFont sets nothing: what is not set here follows the desktop.
  QFont font;
  if (!textFont_.empty() && textFont_ != "System") font.setFamily(QString::fromStdString(textFont_));
  if (textSize_ > 0) {
    switch (textUnit_) {
      case FontUnits::Pixel: font.setPixelSize(static_cast<int>(std::lround(textSize_))); break;
      case FontUnits::Inch: font.setPointSizeF(textSize_ * kPointsPerInch); break;
      case FontUnits::Millimeter: font.setPointSizeF(textSize_ * kPointsPerInch / kMillimetersPerInch); break;
      case FontUnits::Default:
      case FontUnits::Point: font.setPointSizeF(textSize_); break;
    }
  }
  font.setBold(bold_);
  font.setItalic(italic_);
  font.setUnderline(underline_);
  _Widget()->setFont(font);
  // A larger font may reach past the control's rectangle.
  Place();
}

}  // namespace fw
