#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "EventLoop.h"
#include "MonitorFixture.h"
#include "PlayerPage.h"
#include "plugins/HTMLViewer.h"
#include "runtime/Exceptions.h"
#include "runtime/Runtime.h"
#include "ui/CheckBox.h"
#include "ui/FolderItem.h"
#include "ui/Graphics.h"
#include "ui/Rectangle.h"
#include "ui/Timer.h"

namespace {

using tembrel::test::kOff;
using tembrel::test::kOn;

const char* const kPageWithAutoplay =
    "<html><body bgcolor=\"#6C8EFE\"><audio controls autoplay controlsList=\"nodownload\" preload=\"auto\" "
    "style=\"width:100%;position:absolute;top:0px;left:0px;\"><source src=\"http://127.0.0.1:8000/listen\" "
    "type=\"audio/mpg\">Your browser does not support the audio tag.</audio></body></html>";

TEST(PlayerPage, TheNinePiecesWithAndWithoutAutoplay) {
  EXPECT_EQ(PlayerPage("6C8EFE", true, "127.0.0.1", 8000), kPageWithAutoplay);
  std::string without = kPageWithAutoplay;
  without.erase(without.find("autoplay "), 9);
  std::string page = PlayerPage("6C8EFE", false, "127.0.0.1", 8000);
  EXPECT_EQ(page, without);
  EXPECT_NE(page.find("<audio controls controlsList="), std::string::npos);
}

TEST(PlayerPage, TheServerTextIsCopiedAsItStands) {
  EXPECT_NE(PlayerPage("6C8EFE", false, "a\"<b>&c", 8000).find("src=\"http://a\"<b>&c:8000/listen\""),
            std::string::npos);
}

class OnAirDisplay : public tembrel::test::MonitorTest {
 protected:
  struct State {
    bool linkOpen;
    fw::Color light;
    bool playerShown;
  };

  State Now() {
    return {window->LinkOpen, window->rct_OnAirLight()->FillColor(), window->htm_AudioPlayer()->Visible()};
  }

  // The timer as a fired single-shot timer leaves it: disabled, its mode back to off.
  void StopTimer() {
    auto timer = window->tmr_LiveCheckTimer();
    timer->SetEnabled(false);
    timer->SetMode(fw::Timer::ModeOff);
  }

  // Each switch ends a check: the timer is armed for the next one, once.
  void ExpectRearmed() {
    auto timer = window->tmr_LiveCheckTimer();
    EXPECT_EQ(timer->Mode(), fw::Timer::ModeSingle);
    EXPECT_TRUE(timer->Enabled());
    EXPECT_TRUE(timer->_Armed());
    StopTimer();
  }

  // The light's colour as the screen shows it.
  QRgb LightPixel() {
    QImage shot = window->_Content()->grab().toImage();
    return shot.pixel(445, 25) & 0xFFFFFF;
  }
};

TEST_F(OnAirDisplay, TheStateTable) {
  auto viewer = window->htm_AudioPlayer();
  StopTimer();
  EXPECT_FALSE(Now().linkOpen);
  EXPECT_EQ(LightPixel(), kOff.rgb);

  window->StreamAvailable();  // off to on
  EXPECT_TRUE(Now().linkOpen);
  EXPECT_EQ(Now().light, kOn);
  EXPECT_TRUE(Now().playerShown);
  EXPECT_EQ(viewer->_Source(), PlayerPage("6C8EFE", false, "127.0.0.1", 8000));
  EXPECT_EQ(LightPixel(), kOn.rgb);
  ExpectRearmed();
  auto firstBase = viewer->_Base();

  window->StreamAvailable();  // on to on: only the timer
  EXPECT_EQ(viewer->_Base(), firstBase) << "the page is loaded once";
  EXPECT_EQ(Now().light, kOn);
  ExpectRearmed();

  window->SetTitle("another title");
  window->StreamNotAvailable();  // on to off
  EXPECT_FALSE(Now().linkOpen);
  EXPECT_EQ(Now().light, kOff);
  EXPECT_FALSE(Now().playerShown);
  EXPECT_EQ(window->Title(), "QAX Tembrel - Waiting");
  EXPECT_EQ(LightPixel(), kOff.rgb);
  ExpectRearmed();

  window->SetTitle("another title");
  window->StreamNotAvailable();  // off to off
  EXPECT_FALSE(Now().linkOpen);
  EXPECT_EQ(Now().light, kOff);
  EXPECT_EQ(window->Title(), "QAX Tembrel - Waiting");
  ExpectRearmed();
}

TEST_F(OnAirDisplay, EverySwitchOnBuildsThePageAnewReadingTheBoxAndLeavesNoTemporaryFile) {
  auto viewer = window->htm_AudioPlayer();
  window->StreamAvailable();
  auto first = viewer->_Base();
  ASSERT_TRUE(first && first->Exists());
  EXPECT_EQ(viewer->_Source().find("autoplay"), std::string::npos);

  window->chk_StartPlaying()->SetValue(true);  // ticking while on the air changes nothing yet
  window->StreamAvailable();
  EXPECT_EQ(viewer->_Source().find("autoplay"), std::string::npos);

  window->StreamNotAvailable();
  window->StreamAvailable();
  EXPECT_NE(viewer->_Source().find("<audio controls autoplay controlsList="), std::string::npos);
  EXPECT_NE(viewer->_Base(), first);
  std::string firstPath = first->NativePath();
  first = nullptr;
  EXPECT_FALSE(QFile::exists(QString::fromStdString(firstPath))) << "the replaced page's file is gone";
  EXPECT_EQ(TemporaryFiles(), 1);

  viewer = nullptr;
  window = nullptr;
  fw::RuntimePerformFinalizers();
  EXPECT_EQ(TemporaryFiles(), 0) << "nothing is left when the application ends";
}

TEST_F(OnAirDisplay, APageThatCannotBeStoredKeepsTheChecksGoingAndTheNext200TriesAgain) {
  StopTimer();
  // A temporary folder that is a plain file: no file can be made in it, even by root.
  QFile plainFile(tempDir.filePath("not-a-folder"));
  ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
  qputenv("TMPDIR", QFile::encodeName(plainFile.fileName()));
  EXPECT_THROW(window->StreamAvailable(), fw::RuntimeException);
  EXPECT_FALSE(Now().linkOpen) << "no page is loaded";
  EXPECT_EQ(Now().light, kOn) << "the server did answer";
  EXPECT_TRUE(Now().playerShown);
  ExpectRearmed();

  qputenv("TMPDIR", QFile::encodeName(tempDir.path()));
  window->StreamAvailable();
  EXPECT_TRUE(Now().linkOpen);
  EXPECT_EQ(window->htm_AudioPlayer()->_Source(), PlayerPage("6C8EFE", false, "127.0.0.1", 8000));
  ExpectRearmed();
}

TEST_F(OnAirDisplay, PaintFillsTheWholeWindowWhateverTheRegions) {
  QImage image(600, 250, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    window->Event_Paint(std::make_shared<fw::Graphics>(&painter), {{10, 10, 5, 5}});
  }
  for (QPoint p : {QPoint(0, 0), QPoint(599, 249), QPoint(300, 125)}) {
    EXPECT_EQ(image.pixel(p) & 0xFFFFFF, 0x6C8EFEu) << p.x() << "," << p.y();
  }
  QImage shot = window->_Content()->grab().toImage();
  EXPECT_EQ(shot.pixel(5, 200) & 0xFFFFFF, 0x6C8EFEu) << "the window shows its background";
}

}  // namespace
