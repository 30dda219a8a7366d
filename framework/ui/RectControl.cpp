#include "RectControl.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "../runtime/ClassInfo.h"
#include "../runtime/Runtime.h"
#include "Window.h"

namespace fw {

namespace {

constexpr const char* kControlProperty = "fw.control";

// Qt keeps a widget's geometry in int and its sizes at most QWIDGETSIZE_MAX;
// the 64-bit property values are brought into that range before any sum.
std::int64_t Coordinate(std::int64_t v) { return std::clamp<std::int64_t>(v, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX); }
int Extent(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, QWIDGETSIZE_MAX)); }

constexpr MethodInfo kMethods[] = {
    {"Constructor", "(  )"},
    {"Invalidate", "( Boolean )"},
    {"_AddMenuHandler", "( String, Ptr )", "Hidden"},
};

constexpr PropertyInfo kProperties[] = {
    Property<&RectControl::SetLeft>("Left"),           Property<&RectControl::SetTop>("Top"),
    Property<&RectControl::SetWidth>("Width"),         Property<&RectControl::SetHeight>("Height"),
    Property<&RectControl::SetLockLeft>("LockLeft"),   Property<&RectControl::SetLockTop>("LockTop"),
    Property<&RectControl::SetLockRight>("LockRight"), Property<&RectControl::SetLockBottom>("LockBottom"),
    Property<&RectControl::SetTabIndex>("TabIndex"),   Property<&RectControl::SetTabStop>("TabStop"),
    Property<&RectControl::SetVisible>("Visible"),     Property<&RectControl::SetAutoDeactivate>("AutoDeactivate"),
    Property<&RectControl::SetEnabled>("Enabled"),     Property<&RectControl::SetTransparent>("Transparent"),
    Property<&RectControl::SetHelpTag>("HelpTag"),     Property<&RectControl::SetInitialParent>("InitialParent"),
};

// Qt's editors name their edit slots like this; "EditClear" deletes the selection.
const char* EditSlot(std::string_view itemName) {
  if (itemName == "EditUndo") return "undo";
  if (itemName == "EditCut") return "cut";
  if (itemName == "EditCopy") return "copy";
  if (itemName == "EditPaste") return "paste";
  if (itemName == "EditSelectAll") return "selectAll";
  return nullptr;
}

}  // namespace

const ClassInfo& RectControl::Description() {
  static const ClassInfo info{.name = "RectControl",
                              .base = &Control::Description(),
                              .properties = kProperties,
                              .events = kOwnEvents,
                              .methods = kMethods};
  return info;
}
const ClassInfo& RectControl::Class() const { return Description(); }

RectControl::RectControl(std::unique_ptr<QWidget> widget) : widget_(std::move(widget)) {
  focusPolicy_ = widget_->focusPolicy();
  widget_->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(this)));
  widget_->hide();
  Place();
}

RectControl::~RectControl() {
  // Widgets of other controls placed inside this one belong to those controls.
  for (QObject* child : widget_->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w && w->property(kControlProperty).isValid()) w->setParent(nullptr);
  }
}

void RectControl::Constructor() { CheckMainThread(); }

void RectControl::SetLeft(std::int64_t v) {
  left_ = v;
  Place();
}
void RectControl::SetTop(std::int64_t v) {
  top_ = v;
  Place();
}
void RectControl::SetWidth(std::int64_t v) {
  width_ = v;
  Place();
}
void RectControl::SetHeight(std::int64_t v) {
  height_ = v;
  Place();
}

void RectControl::SetTabStop(bool v) {
  tabStop_ = v;
  ApplyFocusPolicy();
}

void RectControl::SetTakesFocus(bool v) {
  focusPolicy_ = v ? Qt::StrongFocus : Qt::NoFocus;
  ApplyFocusPolicy();
}

// A control that is no tab stop takes no focus at all; it gets its own policy back when it is one again.
void RectControl::ApplyFocusPolicy() {
  widget_->setFocusPolicy(tabStop_ ? Qt::FocusPolicy(focusPolicy_) : Qt::NoFocus);
}

void RectControl::SetVisible(bool v) {
  CheckMainThread();
  visible_ = v;
  UpdateShown();
}

void RectControl::SetEnabled(bool v) {
  CheckMainThread();
  enabled_ = v;
  widget_->setEnabled(v);
}

void RectControl::SetTransparent(bool v) {
  transparent_ = v;
  ApplyTransparent();
}

void RectControl::ApplyTransparent() { widget_->setAutoFillBackground(false); }

void RectControl::SetHelpTag(std::string v) { widget_->setToolTip(QString::fromStdString(v)); }

void RectControl::SetInitialParent(std::string name) {
  Ref<fw::Window> window = Window();
  if (!window) {
    initialParent_ = std::move(name);
    return;
  }
  // Looked up before anything changes: a name that finds no control leaves this one as it was.
  Ref<RectControl> parent = ControlNamed(*window, name);
  initialParent_ = std::move(name);
  widget_->setParent(parent ? parent->_Widget() : window->_Content());
  Place();
  UpdateShown();
}

Ref<RectControl> RectControl::ParentControl() const {
  Ref<fw::Window> window = Window();
  return window ? ControlNamed(*window, initialParent_) : nullptr;
}

Ref<RectControl> RectControl::ControlNamed(const fw::Window& window, const std::string& name) const {
  if (name.empty()) return nullptr;
  auto control = std::dynamic_pointer_cast<RectControl>(window._ControlByName(name));
  if (!control) throw RuntimeException("No control " + name + " to place " + Name() + " inside");
  return control;
}

void RectControl::_SetOwner(const Ref<fw::Window>& window) {
  Control::_SetOwner(window);
  widget_->setParent(window ? window->_Content() : nullptr);
  Place();
  UpdateShown();
}

void RectControl::Place() {
  Overhang own = ContentOverhang();
  std::int64_t x = Coordinate(left_) - own.left, y = Coordinate(top_) - own.top;
  if (Ref<RectControl> parent = ParentControl()) {
    Overhang theirs = parent->ContentOverhang();
    x -= Coordinate(parent->Left()) - theirs.left;
    y -= Coordinate(parent->Top()) - theirs.top;
  }
  std::int64_t width = std::int64_t{Extent(width_)} + own.left + own.right;
  std::int64_t height = std::int64_t{Extent(height_)} + own.top + own.bottom;
  widget_->setGeometry(static_cast<int>(Coordinate(x)), static_cast<int>(Coordinate(y)), Extent(width), Extent(height));
}

RectControl::Overhang RectControl::OverhangToFit(Anchor anchor) const {
  int width = Extent(width_);
  int height = Extent(height_);
  // Wrapping content keeps the rectangle's width and grows in height instead.
  bool wraps = widget_->hasHeightForWidth();
  int extraWidth = wraps ? 0 : Extent(std::int64_t{widget_->sizeHint().width()} - width);
  int extraHeight =
      Extent(std::int64_t{wraps ? widget_->heightForWidth(width) : widget_->sizeHint().height()} - height);
  Overhang overhang{.top = extraHeight / 2, .bottom = extraHeight - extraHeight / 2};
  switch (anchor) {
    case Anchor::Left: overhang.right = extraWidth; break;
    case Anchor::Center:
      overhang.left = extraWidth / 2;
      overhang.right = extraWidth - extraWidth / 2;
      break;
    case Anchor::Right: overhang.left = extraWidth; break;
  }
  return overhang;
}

void RectControl::UpdateShown() { widget_->setVisible(visible_ && widget_->parentWidget()); }

void RectControl::Invalidate(bool) { widget_->update(); }

void RectControl::_AddMenuHandler(std::string itemName, Delegate handler) {
  CheckMainThread();
  menuHandlers_.insert_or_assign(std::move(itemName), std::move(handler));
}

bool RectControl::_HandleMenuCommand(std::string_view itemName) {
  auto it = menuHandlers_.find(itemName);
  if (it == menuHandlers_.end()) return false;
  Delegate handler = it->second;
  return handler.InvokeFor<bool>(false);
}

void RectControl::_StandardEditAction(QWidget* focus, std::string_view itemName) {
  StandardEditAction(focus, itemName);
}

RectControl* RectControl::_ControlOf(QWidget* widget) {
  for (; widget; widget = widget->parentWidget()) {
    QVariant v = widget->property(kControlProperty);
    if (v.isValid()) return static_cast<RectControl*>(v.value<void*>());
  }
  return nullptr;
}

void StandardEditAction(QWidget* focus, std::string_view itemName) {
  if (!focus) return;
  if (itemName == "EditClear") {
    // Editors delete the selection on the Delete key; no slot of theirs does it.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QCoreApplication::sendEvent(focus, &press);
    return;
  }
  const char* slot = EditSlot(itemName);
  // Widgets without the slot (a button, say) have no such action: nothing happens.
  if (slot && focus->metaObject()->indexOfMethod(QByteArray(slot) + "()") >= 0) {
    QMetaObject::invokeMethod(focus, slot, Qt::DirectConnection);
  }
}

}  // namespace fw
