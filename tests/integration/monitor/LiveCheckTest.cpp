#include <gtest/gtest.h>

#include <optional>

#include "EventLoop.h"
#include "LoopbackServer.h"
#include "MonitorFixture.h"
#include "RawListeners.h"
#include "net/HTTPSocket.h"
#include "net/TCPSocket.h"
#include "plugins/HTMLViewer.h"
#include "runtime/Clock.h"
#include "ui/Rectangle.h"
#include "ui/Timer.h"

namespace {

using tembrel::test::LoopbackServer;
using tembrel::test::RefusingPort;
using tembrel::test::RunUntil;
using tembrel::test::ServerScript;
using tembrel::test::Then;

using tembrel::test::kOff;
using tembrel::test::kOn;
using tembrel::test::kPeriod;

// A server that answers as `script` says, and what it stands for.
struct ScriptCase {
  const char* what;
  ServerScript script;
};

class LiveCheck : public tembrel::test::MonitorTest {
 protected:
  // Lets the timer start the next check, then runs it until it has ended.
  void RunCheck() {
    fw::clock::AdvanceClock(kPeriod);
    EXPECT_FALSE(window->tmr_LiveCheckTimer()->_Armed()) << "the timer is off while a check runs";
    WaitForCheckToEnd();
    ExpectIdle();
  }

  // Between checks: no client, the probe closed, and nothing counts down but the check timer.
  void ExpectIdle() {
    EXPECT_FALSE(window->HTTPGetSocket);
    EXPECT_FALSE(window->skt_TestOnlineSocket()->IsConnected());
    EXPECT_TRUE(window->tmr_LiveCheckTimer()->_Armed());
    EXPECT_EQ(fw::clock::ActiveCalls(), 1);
    EXPECT_EQ(fw::clock::NextDueIn(), kPeriod);
  }

  fw::Color Light() { return window->rct_OnAirLight()->FillColor(); }
  // Brings the display into a state through a check of its own.
  void Display(fw::Color light) {
    LoopbackServer server({.reply = light == kOn ? "HTTP/1.0 200 OK\r\n\r\n" : "HTTP/1.0 404 Not Found\r\n\r\n"});
    PointAt(server.Port());
    RunCheck();
    ASSERT_EQ(Light(), light);
  }
  void GoOnAir() { Display(kOn); }
};

TEST_F(LiveCheck, OpeningTheWindowKeepsTheProbesAddressAndChecksAtOnce) {
  // The fixture's window has opened and its first check has ended.
  EXPECT_EQ(window->RemoteServer, "127.0.0.1");
  EXPECT_EQ(window->RemotePort, 8000);
  ExpectIdle();
}

TEST_F(LiveCheck, TheAnswersStatusDecides) {
  const struct {
    const char* reply;
    fw::Color light;
  } cases[] = {
      {"HTTP/1.0 200 OK\r\n\r\n", kOn},
      {"ICY 200 OK\r\nicy-name: x\r\n\r\n", kOn},
      {"HTTP/1.1 200.5 x\r\n\r\n", kOn},
      {"HTTP/1.0 199 x\r\n\r\n", kOff},
      {"HTTP/1.0 201 Created\r\n\r\n", kOff},
      {"HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n", kOff},
      {"HTTP/1.0 401 Unauthorized\r\nWWW-Authenticate: Basic realm=x\r\n\r\n", kOff},
      {"HTTP/1.0 407 Proxy Authentication Required\r\n\r\n", kOff},
      {"HTTP/1.0\r\n\r\n", kOff},
      {"HTTP/1.0 200 OK\n\n", kOn},
      {"HTTP/1.0 200 OK\r\r", kOn},
  };
  for (const auto& c : cases) {
    for (fw::Color before : {kOff, kOn}) {
      Display(before);
      LoopbackServer server({.reply = c.reply});
      PointAt(server.Port());
      RunCheck();
      EXPECT_EQ(Light(), c.light) << c.reply;
      EXPECT_EQ(window->LinkOpen, c.light == kOn) << c.reply;
      EXPECT_EQ(window->htm_AudioPlayer()->Visible(), c.light == kOn) << c.reply;
      EXPECT_EQ(server.Connections(), 2) << "the probe, then the request";
    }
  }
}

TEST_F(LiveCheck, TheRequestOnTheWire) {
  LoopbackServer server({.reply = "HTTP/1.0 200 OK\r\n\r\n"});
  PointAt(server.Port());
  RunCheck();
  EXPECT_EQ(server.Received(0), "") << "nothing is sent on the probe";
  EXPECT_EQ(server.Received(1), "GET / HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\nHost: 127.0.0.1:" +
                                    std::to_string(server.Port()) + "\r\n\r\n");
}

TEST_F(LiveCheck, ARefusedProbeLeavesTheDisplayAndRearmsOnce) {
  RefusingPort refusing;
  PointAt(refusing.Port());
  RunCheck();
  EXPECT_EQ(Light(), kOff);

  GoOnAir();
  for (int i = 0; i < 3; ++i) {
    PointAt(refusing.Port());
    RunCheck();
    EXPECT_EQ(Light(), kOn) << "a server gone altogether leaves the light on";
    EXPECT_TRUE(window->htm_AudioPlayer()->Visible());
  }
}

TEST_F(LiveCheck, AProbeThatConnectsFollowedByARefusedRequestGoesOffTheAir) {
  GoOnAir();
  LoopbackServer probe({.reply = "", .then = Then::Close, .waitForRequest = false});
  RefusingPort refusing;
  PointAt(probe.Port(), refusing.Port());
  RunCheck();
  EXPECT_EQ(Light(), kOff);
}

TEST_F(LiveCheck, RequestsThatNeverCompleteEndAfterTenSeconds) {
  const ScriptCase cases[] = {
      {"accepts and never answers", {.reply = "", .then = Then::Stay}},
      {"stops in the middle of its headers", {.reply = "HTTP/1.0 200 OK\r\nServer: x\r\n", .then = Then::Stay}},
  };
  for (const auto& c : cases) {
    GoOnAir();
    LoopbackServer server(c.script);
    PointAt(server.Port());
    fw::clock::AdvanceClock(kPeriod);
    ASSERT_TRUE(RunUntil([&] { return server.Connections() == 2 && !server.Received(1).empty(); })) << c.what;
    tembrel::test::RunFor(100);
    fw::clock::AdvanceClock(9999);
    ASSERT_TRUE(window->HTTPGetSocket) << c.what << ": the request phase is still waiting";
    EXPECT_FALSE(window->tmr_LiveCheckTimer()->_Armed()) << c.what;
    EXPECT_EQ(Light(), kOn) << c.what;
    fw::clock::AdvanceClock(1);
    EXPECT_EQ(Light(), kOff) << c.what << ": ends as a failed request";
    ExpectIdle();
    GoOnAir();  // the next check starts, and ends
  }
}

TEST_F(LiveCheck, ARequestWhoseConnectionEndsBeforeItsHeadersEndsAtOnce) {
  const ScriptCase cases[] = {
      {"resets in the middle of its headers", {.reply = "HTTP/1.0 200 OK\r\nServ", .then = Then::Reset}},
      {"closes before its headers are complete", {.reply = "HTTP/1.0 200 OK\r\nServer: x\r\n", .then = Then::Close}},
      {"closes after a body without a status line", {.reply = "<html>on air</html>", .then = Then::Close}},
      {"closes after half a status line", {.reply = "HTTP/1.0 20", .then = Then::Close}},
      {"sends header bytes without end, cut off by the client",
       {.reply = "HTTP/1.0 200 OK\r\n", .then = Then::FloodHeaders}},
  };
  for (const auto& c : cases) {
    GoOnAir();
    LoopbackServer server(c.script);
    PointAt(server.Port());
    // The clock stays where the check began: no time limit can have ended it.
    RunCheck();
    EXPECT_EQ(Light(), kOff) << c.what;
    EXPECT_FALSE(window->LinkOpen) << c.what;
    EXPECT_FALSE(window->htm_AudioPlayer()->Visible()) << c.what;
    EXPECT_EQ(server.Connections(), 2) << c.what;
  }
}

TEST_F(LiveCheck, TheWindowLetsGoOfTheClientsEventsWhenTheRequestEnds) {
  const int errorEvent = fw::EventPosition(fw::HTTPSocket::Description(), "HTTPSocket.Error");
  const int headersEvent = fw::EventPosition(fw::HTTPSocket::Description(), "HTTPSocket.HeadersReceived");
  enum class End { Headers, TimeLimit, ConnectionEnds };
  const struct {
    const char* what;
    End end;
  } cases[] = {
      {"the rest of the headers", End::Headers},
      {"the time limit", End::TimeLimit},
      {"the connection ends early", End::ConnectionEnds},
  };
  for (const auto& c : cases) {
    std::optional<LoopbackServer> server;
    server.emplace(ServerScript{.reply = "HTTP/1.0 404 Not Found\r\n", .then = Then::Stay});
    PointAt(server->Port());
    fw::clock::AdvanceClock(kPeriod);
    ASSERT_TRUE(RunUntil([&] { return server->BytesSent(1) > 0; })) << c.what;
    // The answer is still incomplete: the request is on.
    const fw::Ref<fw::HTTPSocket> client = window->HTTPGetSocket;
    ASSERT_TRUE(client) << c.what;
    switch (c.end) {
      case End::Headers: server->Send(1, "\r\n"); break;
      case End::TimeLimit: fw::clock::AdvanceClock(10000); break;
      case End::ConnectionEnds: server.reset(); break;
    }
    WaitForCheckToEnd();
    ExpectIdle();
    EXPECT_EQ(Light(), kOff) << c.what;
    EXPECT_FALSE(client->HasEventHandler(errorEvent)) << c.what;
    EXPECT_FALSE(client->HasEventHandler(headersEvent)) << c.what;
    EXPECT_FALSE(client->IsConnected()) << c.what;
  }
}

TEST_F(LiveCheck, AStreamAfterTheHeadersIsNotRead) {
  LoopbackServer server({.reply = "HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\n\r\n", .then = Then::StreamForever});
  PointAt(server.Port());
  RunCheck();
  EXPECT_EQ(Light(), kOn);
  ASSERT_TRUE(RunUntil([&] { return server.PeerClosed(1); })) << "the client closes at once";
}

TEST_F(LiveCheck, TheCycleOffOnOnOffFollowsTheServer) {
  LoopbackServer up({.reply = "HTTP/1.0 200 OK\r\n\r\n"});
  LoopbackServer down({.reply = "HTTP/1.0 404 Not Found\r\n\r\n"});
  const struct {
    const LoopbackServer* server;
    fw::Color light;
  } cycle[] = {{&down, kOff}, {&up, kOn}, {&up, kOn}, {&down, kOff}};
  std::string pageAfterFirstOn;
  for (const auto& step : cycle) {
    window->SetTitle("Another title");
    PointAt(step.server->Port());
    RunCheck();
    EXPECT_EQ(Light(), step.light);
    EXPECT_EQ(window->Title(), step.light == kOn ? "Another title" : "QAX Tembrel - Waiting");
    if (step.light == kOn && pageAfterFirstOn.empty()) pageAfterFirstOn = window->htm_AudioPlayer()->_Source();
  }
  EXPECT_NE(pageAfterFirstOn.find("src=\"http://127.0.0.1:" + std::to_string(up.Port()) + "/listen\""),
            std::string::npos);
}

TEST_F(LiveCheck, CheckLiveStateSetsOnlyWhatItIsGiven) {
  auto probe = window->skt_TestOnlineSocket();
  // Each probe goes to a port that refuses it on the family of its address;
  // the address and port that a call replaces lead to a server that must see nothing.
  RefusingPort refusingIPv4;
  RefusingPort refusingIPv6(tembrel::test::Loopback::IPv6);
  LoopbackServer replaced({.reply = "HTTP/1.0 200 OK\r\n\r\n"});
  const struct {
    std::string hostBefore;
    std::int64_t portBefore;
    std::string host;
    std::int64_t port;
    std::string address;
    std::int64_t probedPort;
  } cases[] = {
      {"127.0.0.1", refusingIPv4.Port(), "", 0, "127.0.0.1", refusingIPv4.Port()},
      {"127.0.0.1", refusingIPv6.Port(), "::1", -5, "::1", refusingIPv6.Port()},
      {"::1", refusingIPv4.Port(), "127.0.0.1", 0, "127.0.0.1", refusingIPv4.Port()},
      {"127.0.0.1", replaced.Port(), "", refusingIPv4.Port(), "127.0.0.1", refusingIPv4.Port()},
      {"127.0.0.1", replaced.Port(), "", 1, "127.0.0.1", 1},
      {"127.0.0.1", replaced.Port(), "::1", refusingIPv6.Port(), "::1", refusingIPv6.Port()},
  };
  for (const auto& c : cases) {
    const std::string what = "\"" + c.host + "\", " + std::to_string(c.port);
    probe->SetAddress(c.hostBefore);
    probe->SetPort(c.portBefore);
    window->tmr_LiveCheckTimer()->SetEnabled(false);
    window->CheckLiveState(c.host, c.port);
    WaitForCheckToEnd();
    EXPECT_EQ(probe->Address(), c.address) << what;
    EXPECT_EQ(probe->Port(), c.probedPort) << what << ": a port of 0 or less is ignored";
  }
  EXPECT_EQ(replaced.Connections(), 0) << "each probe went where the call said";
  EXPECT_EQ(Light(), kOff);
}

}  // namespace
