#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QTemporaryFile>
#include <QTimer>

#include "EventLoop.h"
#include "LoopbackServer.h"
#include "MonitorFixture.h"
#include "RuntimeSession.h"
#include "net/TCPSocket.h"
#include "plugins/HTMLEngineModule.h"
#include "plugins/HTMLViewer.h"
#include "runtime/Runtime.h"
#include "ui/MenuDispatch.h"
#include "ui/PushButton.h"
#include "ui/Rectangle.h"

namespace {

using tembrel::test::kOff;
using tembrel::test::kOn;
using tembrel::test::LoopbackServer;

// Standard error goes to a file while it lives.
class StandardErrorCapture {
 public:
  StandardErrorCapture() : saved_(dup(STDERR_FILENO)) {
    file_.open();
    std::fflush(stderr);
    dup2(file_.handle(), STDERR_FILENO);
  }
  ~StandardErrorCapture() { Restore(); }
  std::string Text() {
    Restore();
    file_.seek(0);
    return file_.readAll().toStdString();
  }

 private:
  void Restore() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
    saved_ = -1;
  }
  QTemporaryFile file_;
  int saved_;
};

// This binary lives where no HTML engine module stands beside it.
class NoEngine : public tembrel::test::MonitorTest {
 protected:
  void Check(const std::string& reply) {
    LoopbackServer server({.reply = reply});
    PointAt(server.Port());
    RunNextCheck();
  }
  fw::Color Light() { return window->rct_OnAirLight()->FillColor(); }
};

TEST_F(NoEngine, TheViewerStaysEmptyWithOneLineWhyAndTheRestWorks) {
  StandardErrorCapture standardError;
  for (int round = 0; round < 2; ++round) {
    Check("HTTP/1.0 200 OK\r\n\r\n");
    EXPECT_EQ(Light(), kOn) << round;
    EXPECT_TRUE(window->htm_AudioPlayer()->Visible()) << round;
    EXPECT_FALSE(window->htm_AudioPlayer()->_Source().empty()) << "the page is kept";
    EXPECT_EQ(window->htm_AudioPlayer()->_Engine(), nullptr);
    window->htm_AudioPlayer()->_Widget()->setFocus();
    fw::DispatchMenuCommand("EditSelectAll");
    Check("HTTP/1.0 404 Not Found\r\n\r\n");
    EXPECT_EQ(Light(), kOff) << round;
  }
  const std::string text = standardError.Text();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
  EXPECT_NE(text.find("HTMLViewer: "), std::string::npos) << text;
  EXPECT_NE(text.find(fw::HTMLEngineModulePath()), std::string::npos) << "where it looked: " << text;
  EXPECT_NE(text.find("No such file"), std::string::npos) << "why: " << text;

  tembrel::test::ReportWatch reports;
  QTimer::singleShot(0, [&] { static_cast<QAbstractButton*>(window->btn_Exit()->_Widget())->click(); });
  tembrel::test::LoopWatchdog watchdog;
  fw::_RuntimeRun();
  EXPECT_TRUE(reports.Reports().empty());
  window = nullptr;
  EXPECT_EQ(tembrel::test::EndRuntime(), 0) << "Exit";
}

}  // namespace
