#include <gtest/gtest.h>

#include <QString>
#include <QVariant>

#include "EventLoop.h"
#include "MonitorFixture.h"
#include "StreamServer.h"
#include "net/TCPSocket.h"
#include "plugins/HTMLEngine.h"
#include "plugins/HTMLViewer.h"
#include "runtime/Clock.h"
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

  Media Now() {
    Media media;
    bool answered = false;
    engine->RunJavaScript(QStringLiteral("(function () { var a = document.querySelector('audio');"
                                         " return a ? [a.paused, a.readyState, a.currentTime] : null; })()"),
                          [&](const QVariant& v) {
                            answered = true;
                            QVariantList list = v.toList();
                            if (list.size() != 3) return;
                            media = {true, list[0].toBool(), list[1].toInt(), list[2].toDouble()};
                          });
    RunUntil([&] { return answered; }, kWatchdogMs);
    return media;
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

}  // namespace
