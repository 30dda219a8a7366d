#include <QImage>

#include "EventLoop.h"
#include "SettingsBlocks.h"
#include "WindowFixture.h"
#include "ui/Rectangle.h"

namespace {

using namespace fw;
namespace s = fw::settings;
using tembrel::test::WindowFixture;

using RectangleTest = WindowFixture;

TEST_F(RectangleTest, LightBlockSetsItsProperties) {
  auto light = Add<Rectangle>("rct_OnAirLight", blocks::rct_OnAirLight());
  EXPECT_EQ(light->FillColor(), Color{0x360E0F});
  EXPECT_EQ(light->TopLeftColor(), Color{0x000000});
  EXPECT_EQ(light->BottomRightColor(), Color{0x000000});
  EXPECT_EQ(light->BorderWidth(), 1);
  EXPECT_EQ(light->Name(), "rct_OnAirLight");
  EXPECT_EQ(light->Left(), 441);
  EXPECT_EQ(light->Width(), 139);
}

TEST_F(RectangleTest, PaintsFillAndEachEdgeInItsColor) {
  const QRgb fill = qRgb(0x10, 0x20, 0xF0), topLeft = qRgb(0xFF, 0, 0), bottomRight = qRgb(0, 0xFF, 0);
  const struct {
    std::int64_t border;
    // Points inside the rectangle's 40 x 30 area and the colour each must show.
    std::vector<std::pair<QPoint, QRgb>> expected;
  } cases[] = {
      {0, {{{0, 0}, fill}, {{39, 29}, fill}, {{20, 15}, fill}}},
      {1,
       {{{20, 0}, topLeft},
        {{0, 15}, topLeft},
        {{20, 29}, bottomRight},
        {{39, 15}, bottomRight},
        {{1, 1}, fill},
        {{38, 28}, fill},
        {{20, 15}, fill}}},
      {3,
       {{{20, 2}, topLeft},
        {{2, 15}, topLeft},
        {{20, 27}, bottomRight},
        {{37, 15}, bottomRight},
        {{20, 3}, fill},
        {{3, 15}, fill},
        {{20, 26}, fill},
        {{36, 15}, fill}}},
  };
  for (const auto& c : cases) {
    auto rect = Add<Rectangle>("rect", s::Block({
                                           s::Integer("Left", 100),
                                           s::Integer("Top", 50),
                                           s::Integer("Width", 40),
                                           s::Integer("Height", 30),
                                           s::Color("FillColor", fill & 0xFFFFFF),
                                           s::Color("TopLeftColor", topLeft & 0xFFFFFF),
                                           s::Color("BottomRightColor", bottomRight & 0xFFFFFF),
                                           s::Integer("BorderWidth", c.border),
                                       }));
    QImage image = Grab();
    for (const auto& [point, color] : c.expected) {
      EXPECT_EQ(image.pixel(QPoint(100, 50) + point) & 0xFFFFFF, color & 0xFFFFFF)
          << "border " << c.border << " at " << point.x() << "," << point.y();
    }
    // Nothing is drawn outside the rectangle.
    EXPECT_EQ(image.pixelColor(99, 65), kWindowBlue) << "border " << c.border;
    EXPECT_EQ(image.pixelColor(140, 65), kWindowBlue) << "border " << c.border;
    rect->SetVisible(false);
  }
}

TEST_F(RectangleTest, NewFillColorReachesTheScreen) {
  auto light = Add<Rectangle>("rct_OnAirLight", blocks::rct_OnAirLight());
  Show();
  const QPoint center(441 + 70, 20 + 25);
  ASSERT_TRUE(tembrel::test::RunUntil([&] { return GrabScreen().pixel(center) == qRgb(0x36, 0x0E, 0x0F); }));
  light->SetFillColor(Color{0xFB2A32});
  EXPECT_TRUE(tembrel::test::RunUntil([&] { return GrabScreen().pixel(center) == qRgb(0xFB, 0x2A, 0x32); }));
}

}  // namespace
