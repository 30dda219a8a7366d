#include "CheckBox.h"

#include <QCheckBox>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <cmath>

#include "../runtime/ClassInfo.h"
#include "../runtime/Runtime.h"

namespace fw {

namespace {

// WCAG's relative luminance and contrast ratio; 4.5 is its bar for body text.
constexpr double kReadableContrast = 4.5;

double Luminance(const QColor& color) {
  auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
  return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  auto [dark, light] = std::minmax({Luminance(a), Luminance(b)});
  return (light + 0.05) / (dark + 0.05);
}

// The desktop's text colour where it is readable on `background`, else black or white.
QColor ReadableOn(const QColor& background, const QColor& text) {
  if (Contrast(text, background) >= kReadableContrast) return text;
  QColor black(Qt::black), white(Qt::white);
  return Contrast(black, background) >= Contrast(white, background) ? black : white;
}

class CheckBoxWidget : public QCheckBox {
 protected:
  // Only code sets the third state: a click leads from it, and from
  // unchecked, to checked.
  void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }

  // The caption lies on the background of what contains the box (a check box
  // fills nothing of its own), which a desktop's text colour need not suit.
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      option.palette.setColor(
          group, QPalette::WindowText,
          ReadableOn(option.palette.color(group, QPalette::Window), option.palette.color(group, QPalette::WindowText)));
    }
    painter.drawControl(QStyle::CE_CheckBox, option);
  }
};

constexpr PropertyInfo kProperties[] = {
    Property<&CheckBox::SetState>("State"),         Property<&CheckBox::SetValue>("Value"),
    Property<&CheckBox::SetBold>("Bold"),           Property<&CheckBox::SetItalic>("Italic"),
    Property<&CheckBox::SetUnderline>("Underline"), Property<&CheckBox::SetCaption>("Caption"),
    Property<&CheckBox::SetTextFont>("TextFont"),   Property<&CheckBox::SetDataSource>("DataSource"),
    Property<&CheckBox::SetDataField>("DataField"), Property<&CheckBox::SetTextSize>("TextSize"),
    Property<&CheckBox::SetTextUnit>("TextUnit"),
};

}  // namespace

const ClassInfo& CheckBox::Description() {
  static const ClassInfo info{
      .name = "CheckBox", .base = &RectControl::Description(), .properties = kProperties, .create = &Create<CheckBox>};
  return info;
}
const ClassInfo& CheckBox::Class() const { return Description(); }

CheckBox::CheckBox() : TextControl(NewUIObject<CheckBoxWidget>()) {}

std::string CheckBox::Caption() const { return Widget().text().toStdString(); }

void CheckBox::SetCaption(std::string caption) {
  Widget().setText(QString::fromStdString(caption));
  Place();
}

bool CheckBox::Value() const {
  CheckMainThread();
  return Widget().checkState() == Qt::Checked;
}

void CheckBox::SetValue(bool value) {
  CheckMainThread();
  SetState(value ? Checked : Unchecked);
}

std::int64_t CheckBox::State() const {
  switch (Widget().checkState()) {
    case Qt::Checked: return Checked;
    case Qt::PartiallyChecked: return Indeterminate;
    case Qt::Unchecked: break;
  }
  return Unchecked;
}

void CheckBox::SetState(std::int64_t state) {
  Widget().setCheckState(state == Checked         ? Qt::Checked
                         : state == Indeterminate ? Qt::PartiallyChecked
                                                  : Qt::Unchecked);
}

QCheckBox& CheckBox::Widget() const { return static_cast<QCheckBox&>(*_Widget()); }

}  // namespace fw
