#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "../runtime/Object.h"

class QImage;

namespace fw {

// An image in memory.
class Picture : public Object {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  explicit Picture(const QImage& image);
  ~Picture() override;

  std::int64_t Width() const;
  std::int64_t Height() const;

  // The picture resource `name` supplied with the application: the file
  // <name>.png beside the executable. Nil when it is missing or unreadable.
  static Ref<Picture> _OpenFromApp(std::string_view name);

  const QImage& _Image() const { return *image_; }

 private:
  std::unique_ptr<QImage> image_;
};

}  // namespace fw
