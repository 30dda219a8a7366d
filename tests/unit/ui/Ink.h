#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

namespace tembrel::test {

// The bounds of the pixels in `area` nearer to `ink` than to `background`:
// where text in that colour covers at least half of a pixel. Empty when none.
QRect InkBounds(const QImage& image, const QRect& area, const QColor& ink, const QColor& background);

// The ink bounds' size of `text` in `font`, drawn where nothing can cut it
// off; wrapped at `wrapWidth` when that is above 0.
QSize UnclippedInkSize(const QFont& font, const QString& text, int wrapWidth = 0);

// WCAG's contrast ratio of two colours, 1 to 21.
double Contrast(const QColor& a, const QColor& b);

}  // namespace tembrel::test
