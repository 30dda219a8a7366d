#include "PushButton.h"

#include <QPushButton>

#include "../runtime/ClassInfo.h"
#include "../runtime/Runtime.h"

namespace fw {

namespace {

constexpr PropertyInfo kProperties[] = {
    Property<&PushButton::SetButtonStyle>("ButtonStyle"), Property<&PushButton::SetDefault>("Default"),
    Property<&PushButton::SetCancel>("Cancel"),           Property<&PushButton::SetBold>("Bold"),
    Property<&PushButton::SetItalic>("Italic"),           Property<&PushButton::SetUnderline>("Underline"),
    Property<&PushButton::SetCaption>("Caption"),         Property<&PushButton::SetTextFont>("TextFont"),
    Property<&PushButton::SetTextSize>("TextSize"),       Property<&PushButton::SetTextUnit>("TextUnit"),
};

}  // namespace

const ClassInfo& PushButton::Description() {
  static const ClassInfo info{.name = "PushButton",
                              .base = &RectControl::Description(),
                              .properties = kProperties,
                              .events = kOwnEvents,
                              .create = &Create<PushButton>};
  return info;
}
const ClassInfo& PushButton::Class() const { return Description(); }

PushButton::PushButton() : TextControl(NewUIObject<QPushButton>()) {
  QObject::connect(&Widget(), &QPushButton::clicked, [this] { Clicked(); });
}

std::string PushButton::Caption() const { return Widget().text().toStdString(); }

void PushButton::SetCaption(std::string caption) { Widget().setText(QString::fromStdString(caption)); }

bool PushButton::Default() const { return Widget().isDefault(); }

void PushButton::SetDefault(bool isDefault) { Widget().setDefault(isDefault); }

void PushButton::Clicked() {
  Ref<Object> protector = SelfOrNil();
  Dispatch([&] { RaiseEvent(EventPositionOf(kEventTable, "PushButton.Action"), SelfOrNil()); });
}

QPushButton& PushButton::Widget() const { return static_cast<QPushButton&>(*_Widget()); }

}  // namespace fw
