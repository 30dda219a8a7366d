#include "Canvas.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "../runtime/ClassInfo.h"
#include "../runtime/Runtime.h"
#include "Picture.h"

namespace fw {

namespace {

class CanvasWidget : public QWidget {
 public:
  explicit CanvasWidget(const Canvas& owner) : owner_(owner) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!owner_.Backdrop()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, owner_.Backdrop()->_Image());
  }

 private:
  const Canvas& owner_;
};

constexpr PropertyInfo kProperties[] = {
    Property<&Canvas::SetUseFocusRing>("UseFocusRing"),       Property<&Canvas::SetAcceptFocus>("AcceptFocus"),
    Property<&Canvas::SetAcceptTabs>("AcceptTabs"),           Property<&Canvas::SetDoubleBuffer>("DoubleBuffer"),
    Property<&Canvas::SetEraseBackground>("EraseBackground"), Field("Backdrop", PropertyType::Object),
};

}  // namespace

const ClassInfo& Canvas::Description() {
  static const ClassInfo info{
      .name = "Canvas", .base = &RectControl::Description(), .properties = kProperties, .create = &Create<Canvas>};
  return info;
}
const ClassInfo& Canvas::Class() const { return Description(); }

Canvas::Canvas() : RectControl(NewUIObject<CanvasWidget>(*this)) {
  SetAcceptFocus(acceptFocus_);
  ApplyTransparent();
}

void Canvas::SetBackdrop(Ref<Picture> picture) {
  CheckMainThread();
  backdrop_ = std::move(picture);
  Invalidate();
}

void Canvas::SetAcceptFocus(bool v) {
  acceptFocus_ = v;
  SetTakesFocus(v);
}

void Canvas::SetEraseBackground(bool v) {
  eraseBackground_ = v;
  ApplyTransparent();
}

void Canvas::ApplyTransparent() { _Widget()->setAutoFillBackground(!Transparent() && eraseBackground_); }

}  // namespace fw
