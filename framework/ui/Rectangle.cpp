#include "Rectangle.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "../runtime/ClassInfo.h"
#include "../runtime/Runtime.h"

namespace fw {

namespace {

class RectangleWidget : public QWidget {
 public:
  explicit RectangleWidget(const Rectangle& owner) : owner_(owner) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(owner_.FillColor().rgb));
    int border = static_cast<int>(std::clamp<std::int64_t>(owner_.BorderWidth(), 0, std::max(width(), height())));
    QColor topLeft = QColor::fromRgb(owner_.TopLeftColor().rgb);
    QColor bottomRight = QColor::fromRgb(owner_.BottomRightColor().rgb);
    painter.fillRect(0, 0, width(), border, topLeft);
    painter.fillRect(0, 0, border, height(), topLeft);
    painter.fillRect(0, height() - border, width(), border, bottomRight);
    painter.fillRect(width() - border, 0, border, height(), bottomRight);
  }

 private:
  const Rectangle& owner_;
};

constexpr PropertyInfo kProperties[] = {
    Property<&Rectangle::SetFillColor>("FillColor"),
    Property<&Rectangle::SetTopLeftColor>("TopLeftColor"),
    Property<&Rectangle::SetBottomRightColor>("BottomRightColor"),
    Property<&Rectangle::SetBorderWidth>("BorderWidth"),
};

}  // namespace

const ClassInfo& Rectangle::Description() {
  static const ClassInfo info{.name = "Rectangle",
                              .base = &RectControl::Description(),
                              .properties = kProperties,
                              .create = &Create<Rectangle>};
  return info;
}
const ClassInfo& Rectangle::Class() const { return Description(); }

Rectangle::Rectangle() : RectControl(NewUIObject<RectangleWidget>(*this)) {}

void Rectangle::SetFillColor(Color color) {
  CheckMainThread();
  fillColor_ = color;
  Invalidate();
}

void Rectangle::SetTopLeftColor(Color color) {
  topLeftColor_ = color;
  Invalidate();
}

void Rectangle::SetBottomRightColor(Color color) {
  bottomRightColor_ = color;
  Invalidate();
}

void Rectangle::SetBorderWidth(std::int64_t width) {
  borderWidth_ = width;
  Invalidate();
}

}  // namespace fw
