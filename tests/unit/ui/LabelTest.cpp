#include <QFontMetrics>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <limits>

#include "Ink.h"
#include "SettingsBlocks.h"
#include "WindowFixture.h"
#include "ui/Label.h"
#include "ui/Rectangle.h"

namespace {

using namespace fw;
namespace s = fw::settings;
using tembrel::test::InkBounds;
using tembrel::test::UnclippedInkSize;
using tembrel::test::WindowFixture;

using LabelTest = WindowFixture;

TEST_F(LabelTest, MonitorBlocksSetEveryProperty) {
  Add<Rectangle>("rct_OnAirLight", blocks::rct_OnAirLight());
  auto caption = Add<Label>("lbl_OnlineState", blocks::lbl_OnlineState());
  auto heading = Add<Label>("lbl_Heading", blocks::lbl_Heading());

  EXPECT_EQ(caption->Text(), "ON AIR");
  EXPECT_EQ(caption->TextAlign(), Label::AlignCenter);
  EXPECT_EQ(caption->TextColor(), Color{0x000000});
  EXPECT_TRUE(caption->Bold());
  EXPECT_EQ(caption->TextSize(), 0.0f);
  EXPECT_EQ(caption->InitialParent(), "rct_OnAirLight");

  EXPECT_EQ(heading->Text(), "Tembrel");
  EXPECT_EQ(heading->TextAlign(), Label::AlignLeft);
  EXPECT_EQ(heading->TextColor(), Color{0xE2E2E2});
  EXPECT_FALSE(heading->Bold());
  EXPECT_EQ(heading->TextSize(), 18.0f);

  for (const auto& label : {caption, heading}) {
    SCOPED_TRACE(label->Name());
    EXPECT_FALSE(label->MultiLine());
    EXPECT_FALSE(label->Selectable());
    EXPECT_FALSE(label->Italic());
    EXPECT_FALSE(label->Underline());
    EXPECT_EQ(label->TextFont(), "System");
    EXPECT_EQ(label->TextUnit(), FontUnits::Default);
    EXPECT_EQ(label->DataSource(), "");
    EXPECT_EQ(label->DataField(), "");
  }
}

TEST_F(LabelTest, FontFollowsTheDesktopUnlessTold) {
  const QFont desktop = Add<Label>("plain", s::Block({s::String("Text", "x")}))->_Widget()->font();
  const struct {
    const char* font;
    float size;
    FontUnits unit;
    QString family;  // empty: the desktop's
    double points;   // 0: the desktop's size
    int pixels;      // set instead of points when above 0
    // clang-format off
  } cases[] = {
      {"System", 0, FontUnits::Default, "", 0, 0},
      {"", 0, FontUnits::Point, "", 0, 0},
      {"System", 18, FontUnits::Default, "", 18, 0},
      {"DejaVu Serif", 12, FontUnits::Point, "DejaVu Serif", 12, 0},
      {"System", 20, FontUnits::Pixel, "", 0, 20},
      {"System", 0.5f, FontUnits::Inch, "", 36, 0},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.font) + " " + std::to_string(c.size));
    auto label = Add<Label>(
        "label", s::Block({s::String("Text", "x"), s::String("TextFont", c.font), s::Single("TextSize", c.size),
                           s::Units("TextUnit", c.unit), s::Boolean("Italic", true)}));
    QFont font = label->_Widget()->font();
    EXPECT_EQ(font.family(), c.family.isEmpty() ? desktop.family() : c.family);
    if (c.pixels > 0) {
      EXPECT_EQ(font.pixelSize(), c.pixels);
    } else {
      EXPECT_DOUBLE_EQ(font.pointSizeF(), c.points > 0 ? c.points : desktop.pointSizeF());
    }
    EXPECT_TRUE(font.italic());
    EXPECT_FALSE(font.bold());
  }
}

// Where a label's text must appear in its rectangle.
enum class Place { Left, Center, Right };

struct ShownCase {
  const char* what;
  std::string block;
  QRect box;
  QRect around;  // where nothing but the label and its background show
  QColor text;
  QColor background;
  Place place;
};

TEST_F(LabelTest, TextIsShownWholeInItsColorOverWhatLiesBehind) {
  const QColor light(0x36, 0x0E, 0x0F), grey(0xE2, 0xE2, 0xE2);
  Add<Rectangle>("rct_OnAirLight", blocks::rct_OnAirLight());
  // clang-format off
  const ShownCase cases[] = {
      {"the heading, 18 points in a box 20 high", blocks::lbl_Heading(), {27, 55, 268, 20}, {0, 30, 400, 70}, grey, kWindowBlue, Place::Left},
      {"the bold caption inside the light", blocks::lbl_OnlineState(), {461, 35, 99, 20}, {442, 21, 137, 48}, Qt::black, light, Place::Center},
      {"right-aligned text wider than its box",
       s::Block({s::Integer("Left", 300), s::Integer("Top", 150), s::Integer("Width", 40), s::Integer("Height", 20),
                 s::String("Text", "Right-aligned"), s::Integer("TextAlign", 2), s::Color("TextColor", 0xFFFFFF)}),
       {300, 150, 40, 20}, {150, 120, 250, 80}, Qt::white, kWindowBlue, Place::Right},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto label = Add<Label>(c.what, c.block);
    QImage image = Grab();
    label->SetVisible(false);

    QRect ink = InkBounds(image, c.around, c.text, c.background);
    ASSERT_FALSE(ink.isEmpty());
    QSize whole = UnclippedInkSize(label->_Widget()->font(), QString::fromStdString(label->Text()));
    EXPECT_NEAR(ink.width(), whole.width(), 1);
    EXPECT_NEAR(ink.height(), whole.height(), 1);
    EXPECT_NEAR(ink.center().y(), c.box.center().y(), 2) << "centred vertically";
    switch (c.place) {
      case Place::Left: EXPECT_NEAR(ink.left(), c.box.left(), 3); break;
      case Place::Center: EXPECT_NEAR(ink.center().x(), c.box.center().x(), 2); break;
      case Place::Right: EXPECT_NEAR(ink.right(), c.box.right(), 3); break;
    }
    // No background of its own: around the text (and its smoothed edge), what lies behind shows.
    const QRect inked = ink.adjusted(-1, -1, 1, 1);
    int filled = 0;
    for (int y = c.box.top(); y <= c.box.bottom(); ++y) {
      for (int x = c.box.left(); x <= c.box.right(); ++x)
        filled += !inked.contains(x, y) && image.pixelColor(x, y) != c.background;
    }
    EXPECT_EQ(filled, 0);
    EXPECT_EQ(QRect(label->Left(), label->Top(), label->Width(), label->Height()), c.box) << "rectangle kept";
  }
}

TEST_F(LabelTest, WrappedTextIsShownWhole) {
  const QString text = "Start playing as soon as the stream comes on the air";
  auto label = Add<Label>("label", s::Block({s::Integer("Left", 50), s::Integer("Top", 100), s::Integer("Width", 90),
                                             s::Integer("Height", 20), s::String("Text", text.toStdString()),
                                             s::Boolean("Multiline", true), s::Color("TextColor", 0xFFFFFF)}));
  QRect ink = InkBounds(Grab(), QRect(0, 0, 600, 250), Qt::white, kWindowBlue);
  QSize whole = UnclippedInkSize(label->_Widget()->font(), text, 90);
  EXPECT_GT(whole.height(), 3 * QFontMetrics(label->_Widget()->font()).height()) << "wraps into several lines";
  EXPECT_NEAR(ink.height(), whole.height(), 1);
  EXPECT_LE(ink.right(), 50 + 90);
}

TEST_F(LabelTest, RectanglesBeyondQtsRangeAreHeldToIt) {
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  Add<Rectangle>("rct_OnAirLight", s::Block({s::Integer("Left", kMax), s::Integer("Top", kMin)}));
  // Right-aligned text reaches past its rectangle to the left, inside a parent at the far corner.
  const std::string placed =
      s::Block({s::Integer("Left", kMin), s::Integer("Top", kMax), s::String("Text", "ON AIR"),
                s::Integer("TextAlign", Label::AlignRight), s::String("InitialParent", "rct_OnAirLight")});
  auto empty = Add<Label>("empty", placed + s::Block({s::Integer("Width", kMin), s::Integer("Height", kMin)}));
  const QSize text = empty->_Widget()->sizeHint();
  EXPECT_EQ(empty->_Widget()->geometry(), QRect(-QWIDGETSIZE_MAX, QWIDGETSIZE_MAX, text.width(), text.height()));
  auto huge = Add<Label>("huge", placed + s::Block({s::Integer("Width", kMax), s::Integer("Height", kMax)}));
  EXPECT_EQ(huge->_Widget()->geometry(), QRect(-QWIDGETSIZE_MAX, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  EXPECT_EQ(huge->Left(), kMin) << "the properties keep their values";
  EXPECT_EQ(huge->Width(), kMax);
}

}  // namespace
