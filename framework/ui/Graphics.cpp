#include "Graphics.h"

#include <QPainter>

#include "../runtime/ClassInfo.h"

namespace fw {

const ClassInfo& Graphics::Description() {
  static const ClassInfo info{.name = "Graphics", .base = &Object::Description()};
  return info;
}
const ClassInfo& Graphics::Class() const { return Description(); }

void Graphics::FillRect(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
  if (!painter_) return;
  painter_->fillRect(QRectF(x, y, width, height), QColor::fromRgb(foreColor_.rgb));
}

}  // namespace fw
