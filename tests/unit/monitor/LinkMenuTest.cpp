#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

#include "MonitorFixture.h"
#include "RuntimeSession.h"
#include "Startup.h"
#include "UrlRecorder.h"
#include "plugins/BevelButton.h"
#include "runtime/Clock.h"
#include "runtime/Runtime.h"
#include "ui/PushButton.h"

namespace {

class LinkMenu : public tembrel::test::MonitorTest {
 protected:
  QList<QAction*> Rows() { return static_cast<QToolButton*>(window->btn_Open()->_Widget())->menu()->actions(); }
  tembrel::test::UrlRecorder sink;
};

TEST_F(LinkMenu, ThreeRowsEachOpeningItsAddress) {
  const struct {
    const char* text;
    const char* address;
  } rows[] = {
      {"Church Website", "http://www.qax.test"},
      {"Sermon Archive Online", "http://www.qax.test/sermons-archive/"},
      {"Church Bulletins", "http://www.qax.test/church-bulletin/"},
  };
  ASSERT_EQ(Rows().size(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Rows()[i]->text(), rows[i].text);
    sink.opened.clear();
    Rows()[i]->trigger();
    ASSERT_EQ(sink.opened.size(), 1) << rows[i].text;
    EXPECT_EQ(sink.opened[0], rows[i].address);
    EXPECT_EQ(window->btn_Open()->MenuValue(), -1) << "reset between choices";
  }
  Rows()[1]->trigger();
  Rows()[1]->trigger();
  EXPECT_EQ(sink.opened.size(), 3) << "the same row twice opens twice";
}

TEST_F(LinkMenu, AnActionWithoutAValidRowOpensNothing) {
  auto button = window->btn_Open();
  window->btn_Open_Action(button);  // a stray Action before any choice, with what opening left
  EXPECT_EQ(button->MenuValue(), -1);
  for (std::int64_t value : {std::int64_t{-1}, std::int64_t{3}, std::int64_t{7}}) {
    button->SetMenuValue(value);
    window->btn_Open_Action(button);
    EXPECT_EQ(button->MenuValue(), -1) << value;
  }
  EXPECT_TRUE(sink.opened.empty());
}

TEST(ExitButton, QuitsWithStatusZero) {
  tembrel::test::ReportWatch watch;
  fw::clock::ManualClockScope manualClock;
  fw::RuntimePerformInitializers(SystemInitializers());
  auto window = win_MainWindow::ImplicitInstance();
  QTimer::singleShot(0, [&] { static_cast<QAbstractButton*>(window->btn_Exit()->_Widget())->click(); });
  fw::_RuntimeRun();
  window = nullptr;
  EXPECT_TRUE(watch.Reports().empty());
  EXPECT_EQ(tembrel::test::EndRuntime(), 0);
}

}  // namespace
