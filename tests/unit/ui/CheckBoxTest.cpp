#include <QPalette>
#include <QTest>
#include <QWidget>

#include "Ink.h"
#include "SettingsBlocks.h"
#include "WindowFixture.h"
#include "ui/CheckBox.h"

namespace {

using namespace fw;
namespace s = fw::settings;
using tembrel::test::Contrast;
using tembrel::test::InkBounds;
using tembrel::test::UnclippedInkSize;
using tembrel::test::WindowFixture;

const std::string kCaption = "Start Playing as soon as stream comes on-air";
const QRect kBox(27, 94, 320, 20);

// The monitor's start-playing box, with the caption's size as given (a later entry wins).
std::string StartPlayingBlock(float textSize = 0.0f) {
  return blocks::chk_StartPlaying() + s::Block({s::Single("TextSize", textSize)});
}

// The caption's part of the box and a margin around it, where only the caption and the window's background show.
QRect CaptionArea() { return QRect(kBox.left() + 16, kBox.top() - 15, 600 - kBox.left() - 16, kBox.height() + 30); }

using CheckBoxTest = WindowFixture;

TEST_F(CheckBoxTest, MonitorBlockSetsEveryProperty) {
  auto box = Add<CheckBox>("chk_StartPlaying", StartPlayingBlock());
  EXPECT_EQ(box->Caption(), kCaption);
  EXPECT_EQ(box->State(), CheckBox::Unchecked);
  EXPECT_FALSE(box->Value());
  EXPECT_EQ(box->TextFont(), "System");
  EXPECT_EQ(box->TextSize(), 0.0f);
  EXPECT_EQ(box->TextUnit(), FontUnits::Default);
  EXPECT_FALSE(box->Bold());
  EXPECT_FALSE(box->Italic());
  EXPECT_FALSE(box->Underline());
  EXPECT_EQ(box->DataSource(), "");
  EXPECT_EQ(box->DataField(), "");
  EXPECT_EQ(box->TabIndex(), 4);
}

TEST_F(CheckBoxTest, StateAndValueAgree) {
  auto box = Add<CheckBox>("box", StartPlayingBlock());
  for (std::int64_t state : {CheckBox::Checked, CheckBox::Indeterminate, CheckBox::Unchecked}) {
    box->SetState(state);
    EXPECT_EQ(box->State(), state);
    EXPECT_EQ(box->Value(), state == CheckBox::Checked) << "state " << state;
  }
  box->SetState(CheckBox::Indeterminate);
  box->SetValue(true);
  EXPECT_EQ(box->State(), CheckBox::Checked);
  box->SetValue(false);
  EXPECT_EQ(box->State(), CheckBox::Unchecked);
}

TEST_F(CheckBoxTest, ClicksSetTheValue) {
  const struct {
    std::int64_t start;
    int clicks;
    std::int64_t state;
  } cases[] = {
      {CheckBox::Unchecked, 1, CheckBox::Checked},
      {CheckBox::Checked, 1, CheckBox::Unchecked},
      {CheckBox::Unchecked, 2, CheckBox::Unchecked},
      // The third state is for code to set; a click never leads back to it.
      {CheckBox::Indeterminate, 1, CheckBox::Checked},
      {CheckBox::Indeterminate, 2, CheckBox::Unchecked},
      {CheckBox::Indeterminate, 3, CheckBox::Checked},
  };
  auto box = Add<CheckBox>("box", StartPlayingBlock());
  Show();
  for (const auto& c : cases) {
    box->SetState(c.start);
    for (int i = 0; i < c.clicks; ++i) QTest::mouseClick(box->_Widget(), Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(box->State(), c.state) << "from " << c.start << " after " << c.clicks << " clicks";
    EXPECT_EQ(box->Value(), c.state == CheckBox::Checked);
  }
}

TEST_F(CheckBoxTest, CaptionIsReadableOnTheWindowBackground) {
  const struct {
    const char* what;
    QColor background;
    QColor desktopText;
  } cases[] = {
      {"the desktop's black on the monitor's blue", kWindowBlue, Qt::black},
      {"a dark theme's light text on the monitor's blue", kWindowBlue, QColor(0xEF, 0xF0, 0xF1)},
      {"black text on a dark window", QColor(0x20, 0x20, 0x20), Qt::black},
  };
  Add<CheckBox>("chk_StartPlaying", StartPlayingBlock());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    window->SetBackColor(Color{c.background.rgb() & 0xFFFFFF});
    QPalette palette = window->_Content()->palette();
    palette.setColor(QPalette::WindowText, c.desktopText);
    window->_Content()->setPalette(palette);

    QImage image = Grab();
    double best = 1;
    QRect area = CaptionArea();
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x)
        best = std::max(best, Contrast(image.pixelColor(x, y), c.background));
    }
    EXPECT_GE(best, 4.5);
  }
}

TEST_F(CheckBoxTest, CaptionIsShownWhole) {
  for (float size : {0.0f, 14.0f}) {
    SCOPED_TRACE(size);
    auto box = Add<CheckBox>("box", StartPlayingBlock(size));
    QRect ink = InkBounds(Grab(), CaptionArea(), Qt::black, kWindowBlue);
    box->SetVisible(false);
    QSize whole = UnclippedInkSize(box->_Widget()->font(), QString::fromStdString(kCaption));
    EXPECT_NEAR(ink.width(), whole.width(), 1);
    EXPECT_NEAR(ink.height(), whole.height(), 1);
    EXPECT_NEAR(ink.center().y(), kBox.center().y(), 2);
    EXPECT_EQ(box->Width(), 320);
    EXPECT_EQ(box->Height(), 20);
  }
}

}  // namespace
