#include "Label.h"

#include <QLabel>

#include "../runtime/ClassInfo.h"

namespace fw {

namespace {

constexpr PropertyInfo kProperties[] = {
    Property<&Label::SetTextAlign>("TextAlign"),
    Property<&Label::SetMultiLine>("MultiLine"),
    Property<&Label::SetSelectable>("Selectable"),
    Property<&Label::SetBold>("Bold"),
    Property<&Label::SetItalic>("Italic"),
    Property<&Label::SetUnderline>("Underline"),
    Property<&Label::SetText>("Text"),
    Property<&Label::SetTextFont>("TextFont"),
    Property<&Label::SetDataSource>("DataSource"),
    Property<&Label::SetDataField>("DataField"),
    Property<&Label::SetTextColor>("TextColor"),
    Property<&Label::SetTextSize>("TextSize"),
    Property<&Label::SetTextUnit>("TextUnit"),
};

std::unique_ptr<QLabel> MakeWidget() {
  auto label = NewUIObject<QLabel>();
  // The text is shown as written: no markup, no links.
  label->setTextFormat(Qt::PlainText);
  label->setAutoFillBackground(false);
  return label;
}

}  // namespace

const ClassInfo& Label::Description() {
  static const ClassInfo info{
      .name = "Label", .base = &RectControl::Description(), .properties = kProperties, .create = &Create<Label>};
  return info;
}
const ClassInfo& Label::Class() const { return Description(); }

Label::Label() : TextControl(MakeWidget()) {
  ApplyAlignment();
  SetTextColor(textColor_);
}

void Label::SetText(std::string text) {
  text_ = std::move(text);
  Widget().setText(QString::fromStdString(text_));
  Place();
}

void Label::SetTextAlign(std::int64_t align) {
  textAlign_ = align;
  ApplyAlignment();
  Place();
}

void Label::SetMultiLine(bool multiLine) {
  multiLine_ = multiLine;
  Widget().setWordWrap(multiLine);
  Place();
}

void Label::SetSelectable(bool selectable) {
  selectable_ = selectable;
  Widget().setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                              : Qt::NoTextInteraction);
}

void Label::SetTextColor(Color color) {
  textColor_ = color;
  QPalette palette = Widget().palette();
  palette.setColor(QPalette::WindowText, QColor::fromRgb(color.rgb));
  Widget().setPalette(palette);
}

RectControl::Overhang Label::ContentOverhang() const {
  switch (textAlign_) {
    case AlignCenter: return OverhangToFit(Anchor::Center);
    case AlignRight: return OverhangToFit(Anchor::Right);
    default: return OverhangToFit(Anchor::Left);
  }
}

QLabel& Label::Widget() const { return static_cast<QLabel&>(*_Widget()); }

void Label::ApplyAlignment() {
  Qt::Alignment horizontal = textAlign_ == AlignCenter  ? Qt::AlignHCenter
                             : textAlign_ == AlignRight ? Qt::AlignRight
                                                        : Qt::AlignLeft;
  Widget().setAlignment(horizontal | Qt::AlignVCenter);
}

}  // namespace fw
