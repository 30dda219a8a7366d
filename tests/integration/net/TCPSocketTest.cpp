#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "EventLoop.h"
#include "LoopbackServer.h"
#include "NetTestSupport.h"
#include "RawListeners.h"
#include "net/TCPSocket.h"
#include "runtime/ClassInfo.h"

namespace {

using namespace fw;
using namespace tembrel::test;
using Events = std::vector<std::string>;

// Records the socket events it is attached to; `onEvent` may act on the socket.
class SocketLog : public Object {
 public:
  void Connected(Ref<TCPSocket> s) { Record("Connected", s); }
  void Error(Ref<TCPSocket> s) { Record("Error " + std::to_string(s->LastErrorCode()), s); }
  void DataAvailable(Ref<TCPSocket> s) { Record("DataAvailable", s); }
  void SendComplete(Ref<TCPSocket> s) { Record("SendComplete", s); }

  Events events;
  std::function<void(const std::string&, const Ref<TCPSocket>&)> onEvent;

 private:
  void Record(const std::string& event, const Ref<TCPSocket>& s) {
    events.push_back(event);
    if (onEvent) onEvent(event, s);
  }
};

Ref<SocketLog> Attach(const Ref<TCPSocket>& socket) {
  auto log = std::make_shared<SocketLog>();
  const ClassInfo& cls = TCPSocket::Description();
  socket->AddEventHandler(EventPosition(cls, "TCPSocket.Connected"),
                          Delegate(log, &SocketLog::Connected, "( TCPSocket )", 0));
  socket->AddEventHandler(EventPosition(cls, "SocketCore.Error"), Delegate(log, &SocketLog::Error, "( TCPSocket )", 0));
  socket->AddEventHandler(EventPosition(cls, "SocketCore.DataAvailable"),
                          Delegate(log, &SocketLog::DataAvailable, "( TCPSocket )", 0));
  socket->AddEventHandler(EventPosition(cls, "SocketCore.SendComplete"),
                          Delegate(log, &SocketLog::SendComplete, "( TCPSocket )", 0));
  return log;
}

Ref<TCPSocket> NewSocket(const std::string& address, std::int64_t port) {
  auto socket = std::make_shared<TCPSocket>();
  socket->Constructor();
  socket->SetAddress(address);
  socket->SetPort(port);
  return socket;
}

// A target for Connect: a server that accepts, a port that refuses, or a listener that never completes a connect.
enum class Target { Accepting, Refusing, Stalled };

struct Endpoint {
  std::optional<LoopbackServer> server;
  std::optional<RefusingPort> refusing;
  std::optional<StalledListener> stalled;
  std::uint16_t port = 0;

  Endpoint(Target target, Loopback family, ServerScript script = {.then = Then::Stay}) {
    switch (target) {
      case Target::Accepting: port = server.emplace(std::move(script), family).Port(); break;
      case Target::Refusing: port = refusing.emplace(family).Port(); break;
      case Target::Stalled: port = stalled.emplace(family).Port(); break;
    }
  }
};

class TCPSocketTest : public NetTest {};

struct OutcomeCase {
  const char* what;
  Target target;
  Loopback family;
  std::string address;               // empty: the family's loopback address
  std::optional<std::int64_t> port;  // nullopt: the endpoint's port
  bool connectTwice;
  std::string outcome;
};

TEST_F(TCPSocketTest, EachConnectEndsInExactlyOneOutcomeFromTheEventLoop) {
  const std::string tooLong(70, 'a');  // a label that no resolver is asked about
  const OutcomeCase cases[] = {
      {"accepting IPv4", Target::Accepting, Loopback::IPv4, "", {}, false, "Connected"},
      {"accepting IPv6", Target::Accepting, Loopback::IPv6, "", {}, false, "Connected"},
      {"accepting, by host name", Target::Accepting, Loopback::IPv4, "localhost", {}, false, "Connected"},
      {"second Connect replaces the first", Target::Accepting, Loopback::IPv4, "", {}, true, "Connected"},
      {"refusing IPv4", Target::Refusing, Loopback::IPv4, "", {}, false, "Error 1"},
      {"refusing IPv6", Target::Refusing, Loopback::IPv6, "", {}, false, "Error 1"},
      {"refusing, connected twice", Target::Refusing, Loopback::IPv4, "", {}, true, "Error 1"},
      {"invalid host name", Target::Refusing, Loopback::IPv4, tooLong + ".example", {}, false, "Error 3"},
      {"port 0", Target::Accepting, Loopback::IPv4, "", 0, false, "Error 5"},
      {"port 1", Target::Accepting, Loopback::IPv4, "", 1, false, "Error 1"},
      {"port 65535", Target::Accepting, Loopback::IPv4, "", 65535, false, "Error 1"},
      {"port above 65535", Target::Accepting, Loopback::IPv4, "", 65536 + 80, false, "Error 5"},
      {"negative port", Target::Accepting, Loopback::IPv4, "", -1, false, "Error 5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Endpoint endpoint(c.target, c.family);
    auto socket = NewSocket(c.address.empty() ? LoopbackHost(c.family) : c.address, c.port.value_or(endpoint.port));
    auto log = Attach(socket);
    socket->Connect();
    if (c.connectTwice) socket->Connect();
    EXPECT_TRUE(log->events.empty());
    ASSERT_TRUE(RunUntil([&] { return !log->events.empty(); }));
    RunFor(100);
    fw::clock::AdvanceClock(20000);
    RunFor(50);
    EXPECT_EQ(log->events, Events{c.outcome});
    EXPECT_EQ(socket->IsConnected(), c.outcome == "Connected");
    socket->Close();
  }
}

// A socket that no counted reference owns (built on the stack) still raises
// its events from the event loop, with nil as the sender.
TEST_F(TCPSocketTest, ASocketOnTheStackRaisesItsEventsWithANilSender) {
  LoopbackServer server({.then = Then::Stay});
  TCPSocket socket;
  socket.Constructor();
  socket.SetAddress("127.0.0.1");
  socket.SetPort(server.Port());
  std::vector<bool> senderWasNil;
  auto log = std::make_shared<SocketLog>();
  log->onEvent = [&](const std::string&, const Ref<TCPSocket>& sender) { senderWasNil.push_back(sender == nullptr); };
  socket.AddEventHandler(EventPosition(TCPSocket::Description(), "TCPSocket.Connected"),
                         Delegate(log, &SocketLog::Connected, "( TCPSocket )", 0));
  socket.Connect();
  ASSERT_TRUE(RunUntil([&] { return !log->events.empty(); }));
  EXPECT_EQ(log->events, Events{"Connected"});
  EXPECT_EQ(senderWasNil, std::vector<bool>{true});
  socket.Close();
}

TEST_F(TCPSocketTest, ConnectThatNeverCompletesEndsAtTheTimeLimit) {
  for (Loopback family : {Loopback::IPv4, Loopback::IPv6}) {
    StalledListener listener(family);
    auto socket = NewSocket(LoopbackHost(family), listener.Port());
    auto log = Attach(socket);
    socket->Connect();
    RunFor(200);
    fw::clock::AdvanceClock(9999);
    RunFor(50);
    EXPECT_TRUE(log->events.empty());
    fw::clock::AdvanceClock(1);
    RunFor(50);
    EXPECT_EQ(log->events, Events{"Error 4"});
    EXPECT_FALSE(socket->IsConnected());
  }
}

TEST_F(TCPSocketTest, NothingIsRaisedAfterClose) {
  struct Case {
    const char* what;
    Target target;
    bool closeOnConnected;  // else at once after Connect
  };
  const Case cases[] = {
      {"refusing, closed at once", Target::Refusing, false},
      {"stalled, closed at once", Target::Stalled, false},
      {"accepting, closed at once", Target::Accepting, false},
      {"closed in Connected while the server sends and closes", Target::Accepting, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Endpoint endpoint(c.target, Loopback::IPv4, {.reply = "hello", .then = Then::Close, .waitForRequest = false});
    auto socket = NewSocket(LoopbackHost(Loopback::IPv4), endpoint.port);
    auto log = Attach(socket);
    if (c.closeOnConnected) log->onEvent = [](const std::string&, const Ref<TCPSocket>& s) { s->Close(); };
    socket->Connect();
    if (!c.closeOnConnected) socket->Close();
    RunFor(200);
    fw::clock::AdvanceClock(20000);
    RunFor(50);
    EXPECT_EQ(log->events, c.closeOnConnected ? Events{"Connected"} : Events{});
  }
}

TEST_F(TCPSocketTest, AnEstablishedConnectionThatEndsRaisesOneErrorAndKeepsItsData) {
  for (Then ending : {Then::Close, Then::Reset}) {
    LoopbackServer server({.reply = "hello", .then = ending, .waitForRequest = false});
    auto socket = NewSocket(LoopbackHost(Loopback::IPv4), server.Port());
    auto log = Attach(socket);
    std::string atError;
    log->onEvent = [&](const std::string& event, const Ref<TCPSocket>& s) {
      if (event.starts_with("Error")) atError = s->ReadAll();
    };
    socket->Connect();
    ASSERT_TRUE(RunUntil([&] { return log->events.size() > 1 && log->events.back().starts_with("Error"); }));
    RunFor(100);
    EXPECT_EQ(log->events.front(), "Connected");
    EXPECT_EQ(std::count(log->events.begin(), log->events.end(), "Error 2"), 1);
    EXPECT_EQ(log->events.back(), "Error 2");
    // An orderly close leaves all that was sent; a reset may lose it.
    if (ending == Then::Close) {
      EXPECT_EQ(atError, "hello");
    }
    EXPECT_TRUE(socket->EndOfFile());
  }
}

TEST_F(TCPSocketTest, WritesReachThePeerAndEndInSendComplete) {
  LoopbackServer server({.then = Then::Stay});
  auto socket = NewSocket(LoopbackHost(Loopback::IPv4), server.Port());
  auto log = Attach(socket);
  log->onEvent = [](const std::string& event, const Ref<TCPSocket>& s) {
    if (event == "Connected") s->Write("ping\r\n\r\n");
  };
  socket->Connect();
  ASSERT_TRUE(RunUntil([&] { return server.Received() == "ping\r\n\r\n" && log->events.size() == 2; }));
  EXPECT_EQ(log->events, (Events{"Connected", "SendComplete"}));
}

TEST_F(TCPSocketTest, PurgeDropsWhatWaitsAndDisconnectSendsWhatWasWrittenThenCloses) {
  LoopbackServer server({.reply = "hello", .then = Then::Stay, .waitForRequest = false});
  auto socket = NewSocket(LoopbackHost(Loopback::IPv4), server.Port());
  auto log = Attach(socket);
  socket->Connect();
  ASSERT_TRUE(RunUntil([&] { return socket->BytesAvailable() == 5; }));
  socket->Purge();
  EXPECT_EQ(socket->BytesAvailable(), 0);
  EXPECT_EQ(socket->Lookahead(), "");
  socket->Write("bye\r\n");
  socket->Disconnect();
  EXPECT_FALSE(socket->IsConnected());
  ASSERT_TRUE(RunUntil([&] { return server.PeerClosed(); }));
  EXPECT_EQ(server.Received(), "bye\r\n");
}

TEST_F(TCPSocketTest, AHandlerMayDropTheLastReferenceToItsSocket) {
  for (const std::string dropAt : {"Connected", "DataAvailable", "Error 2", "Error 1"}) {
    SCOPED_TRACE(dropAt);
    Endpoint endpoint(dropAt == "Error 1" ? Target::Refusing : Target::Accepting, Loopback::IPv4,
                      {.reply = "hello", .then = Then::Close, .waitForRequest = false});
    auto socket = NewSocket(LoopbackHost(Loopback::IPv4), endpoint.port);
    auto log = Attach(socket);
    std::weak_ptr<TCPSocket> weak = socket;
    log->onEvent = [&](const std::string& event, const Ref<TCPSocket>&) {
      if (event == dropAt) socket.reset();
    };
    socket->Connect();
    ASSERT_TRUE(RunUntil([&] { return weak.expired(); }));
    RunFor(100);
    EXPECT_EQ(log->events.back(), dropAt);
  }
}

}  // namespace
