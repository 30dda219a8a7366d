#include "Window.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>

#include "../runtime/ClassInfo.h"
#include "../runtime/Finalizers.h"
#include "../runtime/FlagScope.h"
#include "../runtime/Runtime.h"
#include "Control.h"
#include "Graphics.h"
#include "MenuItem.h"
#include "PaneChild.h"
#include "RectControl.h"
#include "UIObject.h"

namespace fw {

// The content area: controls are placed on it and the Paint event draws it.
class ContentWidget : public QWidget {
 public:
  explicit ContentWidget(Window& owner) : owner_(owner) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    owner_._Paint(painter, event->rect());
  }

 private:
  Window& owner_;
};

class WindowWidget : public QMainWindow {
 public:
  explicit WindowWidget(Window& owner) : content(new ContentWidget(owner)) {
    setCentralWidget(content);
    setAttribute(Qt::WA_DeleteOnClose, false);
  }

  ContentWidget* content;

 protected:
  // The window closes only with the application.
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

namespace {

constexpr MethodInfo kMethods[] = {
    {"AcceptFocus", "( Boolean )"},
    {"Close", "(  )"},
    {"Constructor", "(  )"},
    {"Control", "( Integer ) as Control"},
    {"ControlCount", "(  ) as Integer"},
    {"Draw", "( Graphics )"},
    {"FocusNext", "(  )"},
    {"FocusPrevious", "(  )"},
    {"Hide", "(  )"},
    {"Maximize", "(  )"},
    {"Minimize", "(  )"},
    {"Refresh", "( Boolean )"},
    {"Restore", "(  )"},
    {"SetFocus", "(  )"},
    {"Show", "(  )"},
    {"ShowModal", "(  )"},
    {"UpdateNow", "(  )"},
    {"Window", "(  )", "Hidden"},
    {"_AddControl", "( String, Object )", "Hidden"},
    {"_ControlByName", "( String ) as Object", "Hidden"},
    {"__New", "( Ptr ) as Object", "Hidden"},
};

constexpr PropertyInfo kProperties[] = {
    Property<&Window::SetWidth>("Width"),
    Property<&Window::SetHeight>("Height"),
    Property<&Window::SetMinWidth>("MinWidth"),
    Property<&Window::SetMinHeight>("MinHeight"),
    Property<&Window::SetMaxWidth>("MaxWidth"),
    Property<&Window::SetMaxHeight>("MaxHeight"),
    Property<&Window::SetFrame>("Frame"),
    Property<&Window::SetMacProcId>("MacProcId"),
    Property<&Window::SetPlacement>("Placement"),
    Property<&Window::SetCloseButton>("CloseButton"),
    Property<&Window::SetResizeable>("Resizeable"),
    Property<&Window::SetMaximizeButton>("MaximizeButton"),
    Property<&Window::SetMinimizeButton>("MinimizeButton"),
    Property<&Window::SetFullScreenButton>("FullScreenButton"),
    Property<&Window::SetComposite>("Composite"),
    Property<&Window::SetVisible>("Visible"),
    Property<&Window::SetLiveResize>("LiveResize"),
    Property<&Window::SetFullScreen>("FullScreen"),
    Property<&Window::SetHasBackColor>("HasBackColor"),
    Property<&Window::SetMenuBarVisible>("MenuBarVisible"),
    Property<&Window::SetTitle>("Title"),
    Property<&Window::SetBackColor>("BackColor"),
    Field("MenuBar", PropertyType::Object),
};

std::vector<Ref<Window>>& KeptWindows() {
  static std::vector<Ref<Window>> windows;
  return windows;
}

void ReleaseWindows() {
  // Windows go before their menu bars: move the list out, then let it fall.
  auto windows = std::move(KeptWindows());
  KeptWindows().clear();
}

int ClampToInt(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, QWIDGETSIZE_MAX)); }

}  // namespace

const ClassInfo& Window::Description() {
  static const ClassInfo info{.name = "Window",
                              .base = &Object::Description(),
                              .properties = kProperties,
                              .events = kOwnEvents,
                              .methods = kMethods,
                              .create = &Create<Window>};
  return info;
}
const ClassInfo& Window::Class() const { return Description(); }

Window::Window() : widget_(NewUIObject<WindowWidget>(*this)) {
  UpdateSizeLimits();
  UpdateFlags();
}

Window::~Window() {
  // Each control owns its widget: take the widgets out of this window before it goes.
  for (auto& [name, object] : controls_) {
    if (auto* control = dynamic_cast<RectControl*>(object.get())) control->_Widget()->setParent(nullptr);
  }
  controls_.clear();
}

void Window::Constructor() {
  CheckMainThread();
  RuntimeAddFinalizer(&ReleaseWindows);
  KeptWindows().push_back(SharedAs<Window>());
  {
    const FlagScope constructing(constructing_);
    RaiseEvent(EventPositionOf(kEventTable, "Window.CreateControls"));
    RaiseEvent(EventPositionOf(kEventTable, "Window.Layout"));
    for (auto& [name, object] : std::vector(controls_)) {
      if (auto control = std::dynamic_pointer_cast<Control>(object)) control->_Open();
    }
    RaiseEvent(EventPositionOf(kEventTable, "Window.Open"));
  }
  constructed_ = true;
  if (visible_) widget_->show();
}

Ref<Object> Window::__New(const ClassInfo& cls) {
  CheckMainThread();
  Ref<Object> object = RuntimeNewObject(cls);
  auto self = SharedAs<Window>();
  if (auto control = std::dynamic_pointer_cast<Control>(object)) control->_SetOwner(self);
  if (auto* child = dynamic_cast<_PaneChild*>(object.get())) child->_SetWindow(self);
  return object;
}

void Window::_AddControl(std::string_view name, const Ref<Object>& control) {
  CheckMainThread();
  if (!control) throw NilObjectException();
  controls_.emplace_back(std::string(name), control);
}

Ref<Object> Window::_ControlByName(std::string_view name) const {
  for (const auto& [n, object] : controls_) {
    if (n == name) return object;
  }
  return nullptr;
}

std::string Window::Title() const {
  CheckMainThread();
  return widget_->windowTitle().toStdString();
}

void Window::SetTitle(std::string title) {
  CheckMainThread();
  widget_->setWindowTitle(QString::fromStdString(title));
}

Ref<fw::MenuBar> Window::MenuBar() const {
  CheckMainThread();
  return menuBar_;
}

void Window::SetMenuBar(Ref<fw::MenuBar> bar) {
  CheckMainThread();
  menuBar_ = std::move(bar);
  // One menu tree may serve several windows: each window shows it in a bar widget of its own.
  auto* widget = new QMenuBar;  // the window's widget owns it, and drops the one it replaces
  if (menuBar_) {
    for (std::int64_t i = 0; i < menuBar_->Count(); ++i) widget->addAction(menuBar_->Item(i)->_Action());
  }
  widget_->setMenuBar(widget);
  widget->setVisible(menuBarVisible_);
}

std::int64_t Window::Width() const {
  CheckMainThread();
  return width_;
}

void Window::SetWidth(std::int64_t width) {
  CheckMainThread();
  width_ = width;
  UpdateSizeLimits();
}

std::int64_t Window::Height() const {
  CheckMainThread();
  return height_;
}

void Window::SetHeight(std::int64_t height) {
  CheckMainThread();
  height_ = height;
  UpdateSizeLimits();
}

void Window::SetMinWidth(std::int64_t v) {
  minWidth_ = v;
  UpdateSizeLimits();
}
void Window::SetMinHeight(std::int64_t v) {
  minHeight_ = v;
  UpdateSizeLimits();
}
void Window::SetMaxWidth(std::int64_t v) {
  maxWidth_ = v;
  UpdateSizeLimits();
}
void Window::SetMaxHeight(std::int64_t v) {
  maxHeight_ = v;
  UpdateSizeLimits();
}

void Window::SetCloseButton(bool v) {
  closeButton_ = v;
  UpdateFlags();
}
void Window::SetResizeable(bool v) {
  resizeable_ = v;
  UpdateSizeLimits();
  UpdateFlags();
}
void Window::SetMaximizeButton(bool v) {
  maximizeButton_ = v;
  UpdateFlags();
}
void Window::SetMinimizeButton(bool v) {
  minimizeButton_ = v;
  UpdateFlags();
}

void Window::SetVisible(bool v) {
  CheckMainThread();
  visible_ = v;
  // While the window is being built it is shown once, at the end.
  if (constructed_ && !constructing_) widget_->setVisible(v);
}

void Window::SetFullScreen(bool v) { fullScreen_ = v; }

void Window::SetHasBackColor(bool v) {
  hasBackColor_ = v;
  UpdateBackground();
}

void Window::SetBackColor(Color c) {
  backColor_ = c;
  UpdateBackground();
}

void Window::SetMenuBarVisible(bool v) {
  menuBarVisible_ = v;
  if (menuBar_) widget_->menuBar()->setVisible(v);
}

QWidget* Window::_Content() const { return widget_->content; }
QWidget* Window::_NativeWindow() const { return widget_.get(); }

void Window::_Paint(QPainter& painter, const QRect& area) {
  Ref<Object> protector = SelfOrNil();
  auto graphics = std::make_shared<Graphics>(&painter);
  std::vector<Rect> areas{{area.x(), area.y(), area.width(), area.height()}};
  Dispatch([&] { RaiseEvent(EventPositionOf(kEventTable, "Window.Paint"), graphics, areas); });
  // A handler may keep the object; the painter goes with this event.
  graphics->_EndPaint();
}

void Window::UpdateFlags() {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (closeButton_) flags |= Qt::WindowCloseButtonHint;
  if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
  if (maximizeButton_ && resizeable_) flags |= Qt::WindowMaximizeButtonHint;
  bool shown = widget_->isVisible();
  widget_->setWindowFlags(flags);
  if (shown) widget_->show();
}

void Window::UpdateSizeLimits() {
  QWidget* content = widget_->content;
  if (resizeable_) {
    content->setMinimumSize(ClampToInt(minWidth_), ClampToInt(minHeight_));
    content->setMaximumSize(ClampToInt(maxWidth_), ClampToInt(maxHeight_));
    content->resize(ClampToInt(width_), ClampToInt(height_));
  } else {
    content->setFixedSize(ClampToInt(width_), ClampToInt(height_));
  }
  widget_->layout()->setSizeConstraint(resizeable_ ? QLayout::SetDefaultConstraint : QLayout::SetFixedSize);
}

void Window::UpdateBackground() {
  QWidget* content = widget_->content;
  content->setAutoFillBackground(hasBackColor_);
  QPalette palette = content->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(backColor_.rgb));
  content->setPalette(palette);
}

Ref<Window> _GetImplicitWindow(std::string_view fullName) {
  for (const auto& window : KeptWindows()) {
    if (window->Class().name == fullName) return window;
  }
  return nullptr;
}

std::vector<Ref<Window>> RuntimeWindows() { return KeptWindows(); }

}  // namespace fw
