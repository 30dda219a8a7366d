#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QString>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <optional>

#include "EventLoop.h"
#include "MonitorFixture.h"
#include "RuntimeSession.h"
#include "StreamServer.h"
#include "net/TCPSocket.h"
#include "plugins/HTMLEngine.h"
#include "plugins/HTMLViewer.h"
#include "runtime/Clock.h"
#include "runtime/Runtime.h"
#include "ui/CheckBox.h"

namespace {

using tembrel::test::RunUntil;

// Generous: the engine starts with the first page and media plays in real time.
constexpr int kWatchdogMs = 60000;

struct Media {
  bool found = false;
  bool paused = true;
  int readyState = 0;
  double currentTime = 0;
};

class PlayerPlays : public tembrel::test::MonitorTest {
 protected:
  // Serves "/" with 200 and the stream at /listen, and lets a check find it.
  void GoOnAirWith(StreamServer::Pacing pacing, bool startPlaying) {
    ASSERT_TRUE(server.loadMp3(TEMBREL_TONE_MP3));
    server.setPacing(pacing);
    server.setRootResponse("HTTP/1.0 200 OK", {"Content-Type: audio/mpeg"});
    ASSERT_TRUE(server.listen());
    PointAt(server.port());
    window->chk_StartPlaying()->SetValue(startPlaying);
    fw::clock::AdvanceClock(15000);
    ASSERT_TRUE(RunUntil([&] { return window->LinkOpen; }));
    engine = window->htm_AudioPlayer()->_Engine();
    ASSERT_NE(engine, nullptr);
  }

  // Nothing when the page does not answer. An unanswered call is answered
  // when its page goes, so the answer lands in memory that outlives this call.
  Media Now() {
    const auto answer = std::make_shared<std::optional<Media>>();
    engine->RunJavaScript(
        QStringLiteral("(function () { var a = document.querySelector('audio');"
                       " return a ? [a.paused, a.readyState, a.currentTime] : null; })()"),
        [answer](const QVariant& v) {
          QVariantList list = v.toList();
          *answer = list.size() == 3 ? Media{true, list[0].toBool(), list[1].toInt(), list[2].toDouble()} : Media{};
        });
    RunUntil([&] { return answer->has_value(); }, kWatchdogMs);
    return answer->value_or(Media{});
  }

  bool Playing() {
    Media m = Now();
    return m.found && !m.paused && m.readyState >= 2;
  }

  // Playing, and its time moves on.
  void ExpectPlaying() {
    ASSERT_TRUE(RunUntil([&] { return Playing(); }, kWatchdogMs));
    double start = Now().currentTime;
    EXPECT_TRUE(RunUntil([&] { return Now().currentTime > start + 0.5; }, kWatchdogMs)) << "its time advances";
  }

  // The result of `script`, run in the page as it is now.
  QVariant Evaluate(const QString& script) {
    QVariant result;
    bool answered = false;
    engine->RunJavaScript(script, [&](const QVariant& v) {
      answered = true;
      result = v;
    });
    RunUntil([&] { return answered; }, kWatchdogMs);
    return result;
  }

  static int StreamRequests(const StreamServer& s) {
    const QList<StreamServer::Request> requests = s.requests();
    return int(std::count_if(requests.cbegin(), requests.cend(),
                             [](const StreamServer::Request& r) { return r.path == "/listen"; }));
  }

  StreamServer server;
  fw::HTMLEngine* engine = nullptr;
};

TEST_F(PlayerPlays, WithTheBoxTickedItStartsByItself) {
  for (auto pacing : {StreamServer::Pacing::RealTime, StreamServer::Pacing::BurstThenRealTime}) {
    SCOPED_TRACE(pacing == StreamServer::Pacing::RealTime ? "strictly real time" : "burst, then real time");
    if (pacing == StreamServer::Pacing::BurstThenRealTime) {
      window->StreamNotAvailable();  // off the air again; the next check builds a new page
      server.close();
    }
    GoOnAirWith(pacing, true);
    if (pacing == StreamServer::Pacing::RealTime) {
      // A live stream sent in real time never buffers far ahead: it must start
      // as soon as it can play, not once the engine thinks it has enough.
      Media first;
      ASSERT_TRUE(RunUntil(
          [&] {
            first = Now();
            return !first.paused;
          },
          kWatchdogMs));
      EXPECT_LT(first.readyState, 4);
    }
    ExpectPlaying();
  }
}

TEST_F(PlayerPlays, WithTheBoxClearItWaitsForTheUsersPlay) {
  GoOnAirWith(StreamServer::Pacing::BurstThenRealTime, false);
  ASSERT_TRUE(RunUntil([&] { return Now().readyState >= 3; }, kWatchdogMs)) << "it could play";
  tembrel::test::RunFor(1500);
  EXPECT_TRUE(Now().paused) << "but waits";
  EXPECT_EQ(Now().currentTime, 0);
  engine->RunJavaScript(QStringLiteral("document.querySelector('audio').play()"), {});  // the user's press
  ExpectPlaying();
}

// The engine runs in this process, and plays: nothing of it may take over the
// signals by which the application is asked to end.
TEST_F(PlayerPlays, WhileItPlaysAQuitSignalEndsTheApplicationAsFileQuitDoes) {
  GoOnAirWith(StreamServer::Pacing::BurstThenRealTime, true);
  ExpectPlaying();
  QTimer::singleShot(0, [] { kill(getpid(), SIGTERM); });
  tembrel::test::LoopWatchdog watchdog;
  fw::_RuntimeRun();
  server.close();
  engine = nullptr;
  window = nullptr;
  EXPECT_EQ(tembrel::test::EndRuntime(), 0);
}

TEST_F(PlayerPlays, TheWindowKeepsItsNativeWindowWhenThePlayerFirstShows) {
  QWidget* native = window->_NativeWindow();
  ASSERT_TRUE(native->isVisible());
  const WId id = native->winId();
  const QWindow* handle = native->windowHandle();
  GoOnAirWith(StreamServer::Pacing::BurstThenRealTime, true);
  ExpectPlaying();  // the page is shown and drawn
  EXPECT_EQ(native->windowHandle(), handle) << "the window was made anew";
  EXPECT_EQ(native->winId(), id);
}

TEST_F(PlayerPlays, WhilePlayingItsControlsSeeOneTimeUpdateASecondAndNoProgress) {
  GoOnAirWith(StreamServer::Pacing::BurstThenRealTime, true);
  ASSERT_TRUE(RunUntil([&] { return Playing(); }, kWatchdogMs));
  // The page's own listeners, on the element as the controls' are.
  Evaluate(
      QStringLiteral("var a = document.querySelector('audio'); window.seen = {timeupdate: 0, progress: 0};"
                     "['timeupdate', 'progress'].forEach(function (t) {"
                     "  a.addEventListener(t, function () { window.seen[t]++; }); });"
                     "window.from = a.currentTime; true"));
  const double from = Evaluate(QStringLiteral("window.from")).toDouble();
  ASSERT_TRUE(RunUntil([&] { return Now().currentTime > from + 4; }, kWatchdogMs));
  const QVariantMap seen = Evaluate(QStringLiteral("window.seen")).toMap();
  const double played = Now().currentTime - from;
  EXPECT_GE(seen["timeupdate"].toInt(), 3);
  EXPECT_LE(seen["timeupdate"].toInt(), int(played) + 1) << "over " << played << " s of playing";
  EXPECT_EQ(seen["progress"].toInt(), 0);
}

TEST_F(PlayerPlays, AHiddenPlayerEndsItsStreamAndItsPage) {
  GoOnAirWith(StreamServer::Pacing::RealTime, true);
  ExpectPlaying();
  ASSERT_EQ(server.activeStreams(), 1);
  server.setRootResponse("HTTP/1.0 404 Not Found");
  RunNextCheck();
  ASSERT_FALSE(window->htm_AudioPlayer()->Visible());
  EXPECT_TRUE(RunUntil([&] { return server.activeStreams() == 0; }, kWatchdogMs)) << "the stream goes on";
  EXPECT_FALSE(Now().found) << "the page is still there";
}

TEST_F(PlayerPlays, BackOnTheAirOnlyTheNewPageAsksForTheStream) {
  GoOnAirWith(StreamServer::Pacing::BurstThenRealTime, true);
  ExpectPlaying();
  window->StreamNotAvailable();
  ASSERT_TRUE(RunUntil([&] { return server.activeStreams() == 0; }, kWatchdogMs));

  // The next page plays from another server; the first one still answers.
  StreamServer next;
  ASSERT_TRUE(next.loadMp3(TEMBREL_TONE_MP3));
  next.setRootResponse("HTTP/1.0 200 OK");
  ASSERT_TRUE(next.listen());
  PointAt(next.port());
  RunNextCheck();
  ASSERT_TRUE(window->LinkOpen);
  ExpectPlaying();
  EXPECT_EQ(StreamRequests(next), 1);
  EXPECT_EQ(StreamRequests(server), 1) << "the old page came back to life";
}

TEST_F(PlayerPlays, ShownAgainWithoutANewPageItShowsItsPageAfresh) {
  GoOnAirWith(StreamServer::Pacing::BurstThenRealTime, true);
  ExpectPlaying();
  fw::HTMLViewer& viewer = *window->htm_AudioPlayer();
  viewer.SetVisible(false);
  ASSERT_TRUE(RunUntil([&] { return server.activeStreams() == 0; }, kWatchdogMs));
  viewer.SetVisible(true);
  ExpectPlaying();
  EXPECT_EQ(StreamRequests(server), 2);
}

}  // namespace
