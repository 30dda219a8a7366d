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
#include "net/HTTPSocket.h"
#include "net/InternetHeaders.h"
#include "runtime/ClassInfo.h"
#include "runtime/Exceptions.h"

namespace {

using namespace fw;
using namespace tembrel::test;
using Events = std::vector<std::string>;

int Position(const char* event) { return EventPosition(HTTPSocket::Description(), event); }

// Owns one client and records its events, and the client's call for a
// connection that ended early as "EndedEarly". Like the window's check, it
// attaches to Error and HeadersReceived and, when `closeAtHeaders`, detaches,
// disconnects, closes and drops the client in HeadersReceived.
class Check : public Object {
 public:
  void Error(Ref<HTTPSocket>, std::int64_t code) { events.push_back("Error " + std::to_string(code)); }
  void HeadersReceived(Ref<HTTPSocket> client, Ref<InternetHeaders> headers, std::int64_t status) {
    events.push_back("HeadersReceived " + std::to_string(status));
    lastHeaders = headers;
    heldAtHeaders = client->BytesHeld();
    if (onHeaders) onHeaders(client);
    if (!closeAtHeaders) return;
    Ref<Check> self = SharedAs<Check>();
    this->client->RemoveEventHandler(Position("HTTPSocket.Error"), ErrorDelegate(self));
    this->client->RemoveEventHandler(Position("HTTPSocket.HeadersReceived"), HeadersDelegate(self));
    client->Disconnect();
    this->client->Close();
    this->client = nullptr;
  }
  void PageReceived(Ref<HTTPSocket>, std::string, std::int64_t status, Ref<InternetHeaders>, std::string body) {
    events.push_back("PageReceived " + std::to_string(status) + " " + body);
  }
  void Connected(Ref<HTTPSocket> client) {
    events.push_back("Connected");
    if (onConnected) onConnected(client);
  }
  void AuthenticationRequired(Ref<HTTPSocket> client, Ref<InternetHeaders>) {
    events.push_back("AuthenticationRequired");
    if (onAuthentication) onAuthentication(client);
  }

  static Delegate ErrorDelegate(const Ref<Check>& c) {
    return Delegate(c, &Check::Error, "( HTTPSocket, Integer )", 0);
  }
  static Delegate HeadersDelegate(const Ref<Check>& c) {
    return Delegate(c, &Check::HeadersReceived, "( HTTPSocket, InternetHeaders, Integer )", 0);
  }

  Ref<HTTPSocket> client;
  bool closeAtHeaders = true;
  Events events;
  Ref<InternetHeaders> lastHeaders;
  std::int64_t heldAtHeaders = -1;
  std::function<void(const Ref<HTTPSocket>&)> onHeaders;
  std::function<void(const Ref<HTTPSocket>&)> onAuthentication;
  std::function<void(const Ref<HTTPSocket>&)> onConnected;
};

struct Started {
  Ref<Check> check;
  std::weak_ptr<HTTPSocket> client;
};

// Notes the most bytes that it held whenever data arrived, before taking any
// in, and the most bytes that its search for the end of the header block had
// looked at after taking them in.
class ObservedClient : public HTTPSocket {
 public:
  std::int64_t mostHeld = 0;
  std::size_t mostExamined = 0;

 protected:
  void OnDataAvailable() override {
    mostHeld = std::max(mostHeld, BytesHeld());
    HTTPSocket::OnDataAvailable();
    mostExamined = std::max(mostExamined, HeaderBytesExamined());
  }
};

Started StartGet(const std::string& url, bool closeAtHeaders = true,
                 Ref<HTTPSocket> client = std::make_shared<HTTPSocket>()) {
  auto check = std::make_shared<Check>();
  check->closeAtHeaders = closeAtHeaders;
  check->client = client;
  check->client->Constructor();
  check->client->AddEventHandler(Position("HTTPSocket.Error"), Check::ErrorDelegate(check));
  check->client->AddEventHandler(Position("HTTPSocket.HeadersReceived"), Check::HeadersDelegate(check));
  check->client->AddEventHandler(
      Position("HTTPSocket.PageReceived"),
      Delegate(check, &Check::PageReceived, "( HTTPSocket, String, Integer, InternetHeaders, String )", 0));
  check->client->AddEventHandler(Position("HTTPSocket.AuthenticationRequired"),
                                 Delegate(check, &Check::AuthenticationRequired, "( HTTPSocket, InternetHeaders )", 0));
  check->client->SetEndedEarlyCall([check = std::weak_ptr<Check>(check)] {
    if (auto alive = check.lock()) alive->events.push_back("EndedEarly");
  });
  check->client->Get(url);
  return {check, check->client};
}

std::string UrlOf(Loopback family, std::uint16_t port, const std::string& path = "/") {
  return "http://" + LoopbackHostPart(family, port) + path;
}

bool HasRequest(const LoopbackServer& server, int connection = 0) {
  return server.Received(connection).find("\r\n\r\n") != std::string::npos;
}

class HTTPSocketTest : public NetTest {};

TEST_F(HTTPSocketTest, TakesAddressAndPortFromTheUrl) {
  struct Case {
    std::string url;
    std::int64_t portBefore;
    std::string address;
    std::int64_t port;
  };
  const Case cases[] = {
      {"http://127.0.0.1:8000/", 0, "127.0.0.1", 8000},
      {"127.0.0.1", 0, "127.0.0.1", 80},
      {"http://127.0.0.1/status", 0, "127.0.0.1", 80},
      {"http://127.0.0.1:0/", 8080, "127.0.0.1", 8080},
      {"http://127.0.0.1/", 8080, "127.0.0.1", 8080},
      {"http://localhost:abc/", 0, "localhost", 80},
      {"http://127.0.0.1:8000.9/", 0, "127.0.0.1", 8000},
      {"http://127.0.0.1:81:82/", 0, "127.0.0.1", 81},
      {"http://127.0.0.1:-5/", 0, "127.0.0.1", -5},
      {"http://[::1]:8001/", 0, "::1", 8001},
      {"ftp://[::1]/", 0, "::1", 80},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    auto client = std::make_shared<HTTPSocket>();
    client->Constructor();
    client->SetPort(c.portBefore);
    client->Get(c.url);
    // Closed before the event loop runs: the connect never starts.
    client->Close();
    EXPECT_EQ(client->Address(), c.address);
    EXPECT_EQ(client->Port(), c.port);
  }
}

TEST_F(HTTPSocketTest, SendsTheRequestLineAndThreeHeadersInKeyOrder) {
  struct Case {
    Loopback family;
    std::string scheme;
    std::string path;  // as written in the URL
    std::string requested;
  };
  const Case cases[] = {
      {Loopback::IPv4, "http://", "/", "/"},
      {Loopback::IPv6, "http://", "/", "/"},
      {Loopback::IPv4, "", "", "/"},
      {Loopback::IPv4, "http://", "/status?x=1", "/status?x=1"},
      {Loopback::IPv4, "http://", "/a\r\nInjected: 1", "/aInjected: 1"},
  };
  for (const auto& c : cases) {
    LoopbackServer server({.then = Then::Stay}, c.family);
    const std::string hostPart = LoopbackHostPart(c.family, server.Port());
    SCOPED_TRACE(c.scheme + hostPart + c.path);
    auto started = StartGet(c.scheme + hostPart + c.path);
    ASSERT_TRUE(RunUntil([&] { return HasRequest(server); }));
    RunFor(50);
    EXPECT_EQ(server.Received(), "GET " + c.requested + " HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\nHost: " +
                                     hostPart + "\r\n\r\n");
    EXPECT_TRUE(started.check->events.empty());
  }
}

TEST_F(HTTPSocketTest, ItsOwnConnectedComesBeforeTheRequestAndMayStopIt) {
  for (bool closeAtConnected : {false, true}) {
    SCOPED_TRACE(closeAtConnected ? "the handler closes the client" : "the handler only looks");
    LoopbackServer server({.reply = "HTTP/1.0 200 OK\r\n\r\n", .then = Then::Stay});
    auto client = std::make_shared<HTTPSocket>();
    auto started = StartGet(UrlOf(Loopback::IPv4, server.Port()), true, client);
    std::string receivedAtConnected = "<not raised>";
    started.check->onConnected = [&](const Ref<HTTPSocket>& c) {
      receivedAtConnected = server.Received();
      if (closeAtConnected) c->Close();
    };
    client->AddEventHandler(Position("HTTPSocket.Connected"),
                            Delegate(started.check, &Check::Connected, "( HTTPSocket )", 0));
    client = nullptr;
    const Events expected = closeAtConnected ? Events{"Connected"} : Events{"Connected", "HeadersReceived 200"};
    ASSERT_TRUE(RunUntil([&] { return started.check->events.size() == expected.size(); }));
    RunFor(100);
    EXPECT_EQ(receivedAtConnected, "");
    EXPECT_EQ(started.check->events, expected);
    EXPECT_EQ(HasRequest(server), !closeAtConnected);
  }
}

TEST_F(HTTPSocketTest, ReportsTheStatusOnceWhenTheHeaderBlockIsComplete) {
  struct Case {
    const char* what;
    std::string reply;
    bool byteByByte;
    Loopback family;
    std::int64_t status;
  };
  const Case cases[] = {
      {"200 over IPv4", "HTTP/1.0 200 OK\r\nServer: s\r\n\r\n", false, Loopback::IPv4, 200},
      {"200 over IPv6", "HTTP/1.0 200 OK\r\nServer: s\r\n\r\n", false, Loopback::IPv6, 200},
      {"byte by byte, CR LF", "HTTP/1.0 200 OK\r\nServer: s\r\nX: y\r\n\r\nbody", true, Loopback::IPv4, 200},
      {"byte by byte, LF LF", "ICY 200 OK\nicy-name: n\n\nbody", true, Loopback::IPv6, 200},
      {"CR CR", "HTTP/1.0 404 Not Found\rA: b\r\r", false, Loopback::IPv4, 404},
      {"401 without a handler that retries", "HTTP/1.0 401 Unauthorized\r\n\r\n", false, Loopback::IPv4, 401},
      {"407 without a handler", "HTTP/1.0 407 Proxy\r\n\r\n", false, Loopback::IPv4, 407},
      {"body in the same piece", "HTTP/1.0 200 OK\r\n\r\n" + std::string(1000, '\xFF'), false, Loopback::IPv4, 200},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    LoopbackServer server({.reply = c.reply, .then = Then::Stay, .byteByByte = c.byteByByte}, c.family);
    auto started = StartGet(UrlOf(c.family, server.Port()));
    // Only the client can end the connection, and it does at once.
    ASSERT_TRUE(RunUntil([&] { return server.PeerClosed(); }));
    RunFor(50);
    const std::string reported = "HeadersReceived " + std::to_string(c.status);
    const Events expected = c.status == 401 ? Events{"AuthenticationRequired", reported} : Events{reported};
    EXPECT_EQ(started.check->events, expected);
    EXPECT_TRUE(started.client.expired());
  }
}

TEST_F(HTTPSocketTest, NoEventWhileTheHeaderBlockIsIncompleteOnlyTheCallWhenItsConnectionEnds) {
  struct Case {
    const char* what;
    ServerScript script;
  };
  const Case cases[] = {
      {"server closes before the empty line", {.reply = "HTTP/1.0 200 OK\r\nServer: s\r\n", .then = Then::Close}},
      {"server resets in the middle of the headers", {.reply = "HTTP/1.0 200 OK\r\nSer", .then = Then::Reset}},
      {"server closes after half a status line", {.reply = "HTTP/1.0 20", .then = Then::Close}},
      {"server closes after a body without a status line", {.reply = "<html>hello</html>", .then = Then::Close}},
      {"server never answers until it goes away", {.then = Then::Stay}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::optional<LoopbackServer> server;
    server.emplace(c.script);
    auto started = StartGet(UrlOf(Loopback::IPv4, server->Port()));
    ASSERT_TRUE(RunUntil([&] { return HasRequest(*server); }));
    if (c.script.then == Then::Stay) server.reset();
    // Anything raised before the connection's end would come before the call.
    ASSERT_TRUE(RunUntil([&] { return !started.check->events.empty(); }));
    RunFor(50);
    EXPECT_EQ(started.check->events, Events{"EndedEarly"});
  }
}

TEST_F(HTTPSocketTest, EachByteOfAHeaderBlockTricklingInIsLookedAtAFewTimesOnly) {
  std::string reply = "HTTP/1.0 200 OK\r\n";
  while (reply.size() < 2000) reply += "X-Filler: abc\r\n";
  reply += "\r\n";
  LoopbackServer server({.reply = reply, .then = Then::Stay, .byteByByte = true});
  auto client = std::make_shared<ObservedClient>();
  auto started = StartGet(UrlOf(Loopback::IPv4, server.Port()), true, client);
  ASSERT_TRUE(RunUntil([&] { return !started.check->events.empty(); }));
  EXPECT_EQ(started.check->events, Events{"HeadersReceived 200"});
  EXPECT_GT(client->mostExamined, 0u);
  EXPECT_LE(client->mostExamined, 4 * reply.size());
}

// A status line and header lines of `lineEnd`, `bytes` long without a line end at its end.
std::string HeaderBlockOf(std::size_t bytes, const std::string& lineEnd) {
  std::string block = "HTTP/1.0 200 OK";
  while (bytes - block.size() > 200) block += lineEnd + "X-Filler: " + std::string(54, 'x');
  return block + lineEnd + "X-Last: " + std::string(bytes - block.size() - lineEnd.size() - 8, 'x');
}

TEST_F(HTTPSocketTest, AHeaderBlockOfUpTo64KiBIsTakenALongerOneIsCutOff) {
  struct Case {
    const char* what;
    ServerScript script;
    std::string outcome;
  };
  const Case cases[] = {
      {"65,535 bytes", {.reply = HeaderBlockOf(65535, "\r\n") + "\r\n\r\n"}, "HeadersReceived 200"},
      {"65,536 bytes", {.reply = HeaderBlockOf(65536, "\r\n") + "\r\n\r\n"}, "HeadersReceived 200"},
      {"65,536 bytes of LF lines", {.reply = HeaderBlockOf(65536, "\n") + "\n\n"}, "HeadersReceived 200"},
      {"65,537 bytes", {.reply = HeaderBlockOf(65537, "\r\n") + "\r\n\r\n"}, "EndedEarly"},
      {"65,537 bytes of LF lines", {.reply = HeaderBlockOf(65537, "\n") + "\n\n"}, "EndedEarly"},
      {"header lines without end", {.reply = "HTTP/1.0 200 OK\r\n", .then = Then::FloodHeaders}, "EndedEarly"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ServerScript script = c.script;
    if (script.then != Then::FloodHeaders) script.then = Then::Stay;
    LoopbackServer server(script);
    auto client = std::make_shared<ObservedClient>();
    auto started = StartGet(UrlOf(Loopback::IPv4, server.Port()), true, client);
    ASSERT_TRUE(RunUntil([&] { return !started.check->events.empty(); }));
    ASSERT_TRUE(RunUntil([&] { return server.PeerClosed(); })) << "the client ends the connection at once";
    RunFor(50);
    EXPECT_EQ(started.check->events, Events{c.outcome});
    // The longest block and the longest empty line.
    EXPECT_LE(client->mostHeld, 65536 + 4);
  }
}

TEST_F(HTTPSocketTest, AConnectionNeverEstablishedRaisesErrorOnce) {
  struct Case {
    const char* what;
    Loopback family;
    bool stalled;
    std::string outcome;
  };
  const Case cases[] = {
      {"refused over IPv4", Loopback::IPv4, false, "Error 1"},
      {"refused over IPv6", Loopback::IPv6, false, "Error 1"},
      {"never completes: the connect time limit", Loopback::IPv4, true, "Error 4"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::optional<RefusingPort> refusing;
    std::optional<StalledListener> stalled;
    const std::uint16_t port = c.stalled ? stalled.emplace(c.family).Port() : refusing.emplace(c.family).Port();
    auto started = StartGet(UrlOf(c.family, port));
    RunFor(100);
    fw::clock::AdvanceClock(10000);
    ASSERT_TRUE(RunUntil([&] { return !started.check->events.empty(); }));
    RunFor(100);
    EXPECT_EQ(started.check->events, Events{c.outcome});
  }
}

TEST_F(HTTPSocketTest, NothingMoreIsReadOnceTheHandlerHasClosedTheClient) {
  for (bool closeAtHeaders : {true, false}) {
    SCOPED_TRACE(closeAtHeaders ? "the handler closes and drops the client" : "nobody closes the client");
    LoopbackServer server(
        {.reply = "HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\n\r\n", .then = Then::StreamForever});
    auto observed = std::make_shared<ObservedClient>();
    std::weak_ptr<ObservedClient> client = observed;
    auto started = StartGet(UrlOf(Loopback::IPv4, server.Port()), closeAtHeaders, std::move(observed));
    std::int64_t mostHeld = 0;
    ASSERT_TRUE(RunUntil([&] {
      if (auto c = client.lock()) mostHeld = c->mostHeld;
      return server.PeerClosed();
    }));
    RunFor(50);
    EXPECT_EQ(started.check->events, Events{"HeadersReceived 200"});
    EXPECT_LE(started.check->heldAtHeaders, 65536 + 4);
    EXPECT_LE(mostHeld, 1024 * 1024 + 65536 + 4);
    EXPECT_EQ(client.expired(), closeAtHeaders);
  }
}

TEST_F(HTTPSocketTest, TheBodyFollowsTheHeadersWhenNobodyCloses) {
  for (bool nestedLoop : {false, true}) {
    SCOPED_TRACE(nestedLoop ? "the handler runs the event loop while the body arrives" : "body at once");
    LoopbackServer server({.reply = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nhello world",
                           .then = Then::Close,
                           .byteByByte = nestedLoop});
    auto started = StartGet(UrlOf(Loopback::IPv4, server.Port()), false);
    if (nestedLoop) started.check->onHeaders = [](const Ref<HTTPSocket>&) { RunFor(300); };
    ASSERT_TRUE(RunUntil([&] { return started.check->events.size() == 2; }));
    RunFor(50);
    EXPECT_EQ(started.check->events, (Events{"HeadersReceived 200", "PageReceived 200 hello world"}));
    EXPECT_EQ(started.check->lastHeaders->Value("content-type"), "text/plain");
  }
}

TEST_F(HTTPSocketTest, AnExceptionFromAHandlerLeavesTheClientUsable) {
  LoopbackServer server({.reply = "HTTP/1.0 200 OK\r\n\r\n", .then = Then::Stay});
  const std::string url = UrlOf(Loopback::IPv4, server.Port());
  auto started = StartGet(url, false);
  started.check->onHeaders = [thrown = false](const Ref<HTTPSocket>&) mutable {
    if (!std::exchange(thrown, true)) throw RuntimeException("from the handler");
  };
  ASSERT_TRUE(RunUntil([&] { return started.check->events.size() == 1; }));
  EXPECT_EQ(Reported(), std::vector<std::string>{"RuntimeException: from the handler"});
  started.check->client->Get(url);
  ASSERT_TRUE(RunUntil([&] { return started.check->events.size() == 2; }));
  EXPECT_EQ(started.check->events, (Events{"HeadersReceived 200", "HeadersReceived 200"}));
  expectedReports_ = {"RuntimeException: from the handler"};
}

TEST_F(HTTPSocketTest, AnAuthenticationHandlerMayRepeatTheRequest) {
  LoopbackServer server({.reply = "HTTP/1.0 401 Unauthorized\r\nWWW-Authenticate: Basic\r\n\r\n", .then = Then::Stay});
  const std::string url = UrlOf(Loopback::IPv4, server.Port());
  auto started = StartGet(url);
  started.check->onAuthentication = [&, retried = false](const Ref<HTTPSocket>& client) mutable {
    if (std::exchange(retried, true)) return;
    client->RequestHeaders()->SetHeader("Authorization", "Basic dTpw");
    client->Get(url);
  };
  ASSERT_TRUE(RunUntil([&] { return started.check->events.size() == 3; }));
  RunFor(50);
  EXPECT_EQ(started.check->events, (Events{"AuthenticationRequired", "AuthenticationRequired", "HeadersReceived 401"}));
  ASSERT_EQ(server.Connections(), 2);
  EXPECT_NE(server.Received(1).find("\r\nAuthorization: Basic dTpw\r\n"), std::string::npos);
}

TEST_F(HTTPSocketTest, ARepeatedRequestStartsAfresh) {
  LoopbackServer first({.reply = "X 401\n\n", .then = Then::Stay});
  LoopbackServer second({.reply = "HTTP/1.0 200 OK\n\n", .then = Then::Stay});
  RefusingPort refusing;
  const struct {
    const char* what;
    std::uint16_t repeatedAt;
    std::string outcome;
  } cases[] = {
      {"its connection is refused", refusing.Port(), "Error 1"},
      {"another answer comes", second.Port(), "HeadersReceived 200"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto started = StartGet(UrlOf(Loopback::IPv4, first.Port()));
    started.check->onAuthentication = [&](const Ref<HTTPSocket>& client) {
      client->Get(UrlOf(Loopback::IPv4, c.repeatedAt));
    };
    ASSERT_TRUE(RunUntil([&] { return started.check->events.size() == 2; }));
    RunFor(50);
    EXPECT_EQ(started.check->events, (Events{"AuthenticationRequired", c.outcome}));
  }
}

}  // namespace
