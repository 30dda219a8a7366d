#include "BevelButton.h"

#include <QMenu>
#include <QToolButton>

#include "../runtime/Runtime.h"

namespace fw {

namespace {

constexpr MethodInfo kMethods[] = {
    {"AddRow", "( String )"},
    {"AddSeparator", "(  )"},
    {"DeleteAllRows", "(  )"},
    {"List", "( Integer ) as String"},
};

constexpr PropertyInfo kProperties[] = {
    Property<&BevelButton::SetCaption>("Caption"),
    Property<&BevelButton::SetCaptionAlign>("CaptionAlign"),
    Property<&BevelButton::SetCaptionPlacement>("CaptionPlacement"),
    Property<&BevelButton::SetCaptionDelta>("CaptionDelta"),
    Property<&BevelButton::SetIconAlign>("IconAlign"),
    Property<&BevelButton::SetIconDX>("IconDX"),
    Property<&BevelButton::SetIconDY>("IconDY"),
    Property<&BevelButton::SetBevel>("Bevel"),
    Property<&BevelButton::SetHasMenu>("HasMenu"),
    Property<&BevelButton::SetMenuValue>("MenuValue"),
    Property<&BevelButton::SetButtonType>("ButtonType"),
    Property<&BevelButton::SetHasBackColor>("HasBackColor"),
    Property<&BevelButton::SetBackColor>("BackColor"),
    Property<&BevelButton::SetTextColor>("TextColor"),
    Property<&BevelButton::SetValue>("Value"),
    Property<&BevelButton::SetAcceptFocus>("AcceptFocus"),
    Property<&BevelButton::SetTextFont>("TextFont"),
    Property<&BevelButton::SetTextSize>("TextSize"),
    Property<&BevelButton::SetTextUnit>("TextUnit"),
    Property<&BevelButton::SetBold>("Bold"),
    Property<&BevelButton::SetItalic>("Italic"),
    Property<&BevelButton::SetUnderline>("Underline"),
};

std::unique_ptr<QToolButton> NewButton() {
  auto button = NewUIObject<QToolButton>();
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return button;
}

}  // namespace

const ClassInfo& BevelButton::Description() {
  static const ClassInfo info{.name = "BevelButton",
                              .base = &RectControl::Description(),
                              .properties = kProperties,
                              .events = kOwnEvents,
                              .methods = kMethods,
                              .create = &Create<BevelButton>};
  return info;
}
const ClassInfo& BevelButton::Class() const { return Description(); }

BevelButton::BevelButton() : TextControl(NewButton()), menu_(std::make_unique<QMenu>()) {
  button_ = static_cast<QToolButton*>(_Widget());
  UpdateColors();
}

BevelButton::~BevelButton() = default;

void BevelButton::AddRow(std::string text) {
  CheckMainThread();
  QAction* action = menu_->addAction(QString::fromStdString(text));
  int index = static_cast<int>(menu_->actions().size()) - 1;
  QObject::connect(action, &QAction::triggered, [this, index] { RowChosen(index); });
}

void BevelButton::SetMenuValue(std::int64_t value) {
  Invalidate(true);
  menuValue_ = value;
}

void BevelButton::RowChosen(int index) {
  Ref<Object> protector = SelfOrNil();
  menuValue_ = index;
  Dispatch([&] { RaiseEvent(EventPositionOf(kEventTable, "BevelButton.Action"), SelfOrNil()); });
}

void BevelButton::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  button_->setText(QString::fromStdString(caption_));
}

void BevelButton::SetHasMenu(std::int64_t v) {
  hasMenu_ = v;
  // 1: the menu pops up as soon as the button is pressed.
  button_->setMenu(v ? menu_.get() : nullptr);
  button_->setPopupMode(QToolButton::InstantPopup);
}

void BevelButton::SetHasBackColor(bool v) {
  hasBackColor_ = v;
  UpdateColors();
}
void BevelButton::SetBackColor(Color c) {
  backColor_ = c;
  UpdateColors();
}
void BevelButton::SetTextColor(Color c) {
  textColor_ = c;
  UpdateColors();
}
void BevelButton::SetAcceptFocus(bool v) { SetTakesFocus(v); }

void BevelButton::UpdateColors() {
  QPalette palette = button_->palette();
  palette.setColor(QPalette::ButtonText, QColor::fromRgb(textColor_.rgb));
  if (hasBackColor_) palette.setColor(QPalette::Button, QColor::fromRgb(backColor_.rgb));
  button_->setPalette(palette);
}

}  // namespace fw
