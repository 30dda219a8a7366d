#include "Picture.h"

#include <QCoreApplication>
#include <QImage>

#include "../runtime/ClassInfo.h"

namespace fw {

namespace {

constexpr PropertyInfo kProperties[] = {
    Field("Width", PropertyType::Integer),
    Field("Height", PropertyType::Integer),
};

}  // namespace

const ClassInfo& Picture::Description() {
  static const ClassInfo info{.name = "Picture", .base = &Object::Description(), .properties = kProperties};
  return info;
}
const ClassInfo& Picture::Class() const { return Description(); }

Picture::Picture(const QImage& image) : image_(std::make_unique<QImage>(image)) {}

Picture::~Picture() = default;

std::int64_t Picture::Width() const { return image_->width(); }
std::int64_t Picture::Height() const { return image_->height(); }

Ref<Picture> Picture::_OpenFromApp(std::string_view name) {
  QString path = QCoreApplication::applicationDirPath() + '/' +
                 QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) + ".png";
  QImage image;
  if (!image.load(path, "PNG")) return nullptr;
  return std::make_shared<Picture>(image);
}

}  // namespace fw
