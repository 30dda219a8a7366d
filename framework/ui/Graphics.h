#pragma once

#include <cstdint>

#include "../runtime/Color.h"
#include "../runtime/Object.h"

class QPainter;

namespace fw {

struct Rect {
  std::int64_t Left = 0, Top = 0, Width = 0, Height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Drawing on a window or control during its Paint event. The painter lives
// only as long as the event: afterwards the object draws nothing.
class Graphics : public Object {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  explicit Graphics(QPainter* painter = nullptr) : painter_(painter) {}

  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color) { foreColor_ = color; }
  void FillRect(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height);

  // The Paint event is over: the painter is gone.
  void _EndPaint() { painter_ = nullptr; }
  // Whether the object still draws: only during its Paint event.
  bool _Painting() const { return painter_ != nullptr; }

 private:
  QPainter* painter_;
  Color foreColor_{};
};

}  // namespace fw
