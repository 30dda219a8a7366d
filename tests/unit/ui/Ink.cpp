#include "Ink.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tembrel::test {

namespace {

int Distance(const QColor& a, const QColor& b) {
  int r = a.red() - b.red(), g = a.green() - b.green(), bl = a.blue() - b.blue();
  return r * r + g * g + bl * bl;
}

double Luminance(const QColor& c) {
  auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

}  // namespace

QRect InkBounds(const QImage& image, const QRect& area, const QColor& ink, const QColor& background) {
  QRect bounds;
  QRect clipped = area & image.rect();
  for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
    for (int x = clipped.left(); x <= clipped.right(); ++x) {
      QColor pixel = image.pixelColor(x, y);
      if (Distance(pixel, ink) < Distance(pixel, background)) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

QSize UnclippedInkSize(const QFont& font, const QString& text, int wrapWidth) {
  constexpr int kMargin = 50;
  QFontMetrics metrics(font);
  QRect box = wrapWidth > 0 ? QRect(kMargin, kMargin, wrapWidth, 10 * metrics.height())
                            : QRect(kMargin, kMargin, metrics.horizontalAdvance(text) + kMargin, metrics.height());
  QImage image(box.width() + 2 * kMargin, box.height() + 2 * kMargin, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(box, wrapWidth > 0 ? Qt::TextWordWrap : Qt::TextSingleLine, text);
  }
  return InkBounds(image, image.rect(), Qt::black, Qt::white).size();
}

double Contrast(const QColor& a, const QColor& b) {
  auto [dark, light] = std::minmax({Luminance(a), Luminance(b)});
  return (light + 0.05) / (dark + 0.05);
}

}  // namespace tembrel::test
