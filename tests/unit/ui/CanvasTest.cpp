#include <QImage>

#include "SettingsBlocks.h"
#include "WindowFixture.h"
#include "ui/Canvas.h"
#include "ui/Picture.h"

namespace {

using namespace fw;
namespace s = fw::settings;
using tembrel::test::WindowFixture;

// 20 x 10: the left half opaque red, the right half see-through.
Ref<Picture> HalfRedPicture() {
  QImage image(20, 10, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) image.setPixelColor(x, y, Qt::red);
  }
  return std::make_shared<Picture>(image);
}

using CanvasTest = WindowFixture;

TEST_F(CanvasTest, LogoBlockSetsEveryProperty) {
  auto canvas = Add<Canvas>("pic_Logo", blocks::pic_Logo());
  EXPECT_TRUE(canvas->UseFocusRing());
  EXPECT_FALSE(canvas->AcceptFocus());
  EXPECT_FALSE(canvas->AcceptTabs());
  EXPECT_FALSE(canvas->DoubleBuffer());
  EXPECT_TRUE(canvas->EraseBackground());
  EXPECT_TRUE(canvas->Transparent());
  EXPECT_EQ(canvas->Backdrop(), nullptr);
}

TEST_F(CanvasTest, DrawsTheBackdropAtItsTopLeftOverTheWindow) {
  auto canvas = Add<Canvas>("pic_Logo", blocks::pic_Logo());
  canvas->SetBackdrop(HalfRedPicture());
  QImage image = Grab();
  EXPECT_EQ(image.pixelColor(27, 20), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(27 + 9, 20 + 9), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(27 + 15, 20 + 5), kWindowBlue) << "see-through part of the picture";
  EXPECT_EQ(image.pixelColor(27 + 5, 20 + 20), kWindowBlue) << "canvas beyond the picture";
  EXPECT_EQ(image.pixelColor(26, 20), kWindowBlue) << "left of the canvas";

  canvas->SetBackdrop(nullptr);
  EXPECT_EQ(Grab().pixelColor(27, 20), kWindowBlue) << "no backdrop";
}

}  // namespace
