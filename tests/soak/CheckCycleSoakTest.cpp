#include <gtest/gtest.h>

#include <QString>
#include <QVariant>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "EventLoop.h"
#include "LoopbackServer.h"
#include "MonitorFixture.h"
#include "ProcessFigures.h"
#include "RawListeners.h"
#include "net/HTTPSocket.h"
#include "net/TCPSocket.h"
#include "plugins/HTMLEngine.h"
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

// About 1.5 ms a cycle here; the warm-up lets the HTML engine settle first.
// Far more cycles crowd the loopback ports with connections in TIME_WAIT.
constexpr int kWarmUpCycles = 1000;
constexpr int kCycles = 10000;
// Descriptors that come and go on their own (the HTML engine's, the listing's own).
constexpr int kDescriptorSlack = 4;
// Bounds against growth without end, several times what the cycles need; a
// client kept by every check breaks them. The engine's processes
// breathe by some 20 MiB as their garbage is collected.
constexpr std::int64_t kGrowthBoundBytes = 10LL * 1024 * 1024;
constexpr std::int64_t kEngineGrowthBoundBytes = 64LL * 1024 * 1024;

enum class Answer { Ok, NotFound, Refused, ClosesEarly, Hangs, FloodsHeaders };

struct Kind {
  Answer answer;
  const char* name;
  ServerScript script;
  int weight;
};

// Most cycles end off the air: each switch on loads the player page into the
// engine anew, as a server that comes and goes would make it do.
const Kind kKinds[] = {
    {Answer::Ok, "200", {.reply = "HTTP/1.0 200 OK\r\n\r\n"}, 1},
    {Answer::NotFound, "404", {.reply = "HTTP/1.0 404 Not Found\r\n\r\n"}, 2},
    {Answer::Refused, "refused", {}, 2},
    {Answer::ClosesEarly, "closes early", {.reply = "HTTP/1.0 200 OK\r\nServer: x\r\n", .then = Then::Close}, 1},
    {Answer::Hangs, "hangs", {.reply = "", .then = Then::Stay}, 1},
    {Answer::FloodsHeaders, "floods headers", {.reply = "HTTP/1.0 200 OK\r\n", .then = Then::FloodHeaders}, 1},
};
constexpr int kKindCount = static_cast<int>(std::size(kKinds));

struct Figures {
  int descriptors;
  std::int64_t resident;
  std::int64_t engine;

  static Figures Now() {
    return {tembrel::test::OpenFileDescriptors(), tembrel::test::ResidentBytes(),
            tembrel::test::DescendantResidentBytes()};
  }
};

double MiB(std::int64_t bytes) { return static_cast<double>(bytes) / (1024 * 1024); }

class CheckCycleSoak : public tembrel::test::MonitorTest {
 protected:
  void TearDown() override {
    MonitorTest::TearDown();
    EXPECT_EQ(TemporaryFiles(), 0) << "the player page's base file goes with the window";
  }

  // A different kind from the last, at random by weight, the same sequence every run.
  const Kind& NextKind() {
    int next;
    do next = pick_(random_);
    while (next == last_);
    last_ = next;
    return kKinds[next];
  }

  // One check against a server that answers as `kind` says; the display must follow.
  void RunCycle(const Kind& kind) {
    std::unique_ptr<LoopbackServer> server;
    std::unique_ptr<RefusingPort> refusing;
    std::uint16_t port;
    if (kind.answer == Answer::Refused) {
      refusing = std::make_unique<RefusingPort>();
      port = refusing->Port();
    } else {
      server = std::make_unique<LoopbackServer>(kind.script);
      port = server->Port();
    }
    PointAt(port);

    const bool wasOn = window->LinkOpen;
    fw::clock::AdvanceClock(kPeriod);
    ASSERT_FALSE(window->tmr_LiveCheckTimer()->_Armed()) << "the next check started";
    if (EndsByTimeLimit(kind.answer)) {
      ASSERT_TRUE(RunUntil([&] { return ServerHasDoneItsPart(*server); }));
      ASSERT_TRUE(window->HTTPGetSocket) << "the request phase is still waiting";
      fw::clock::AdvanceClock(10000);
    }
    WaitForCheckToEnd();

    const bool on = kind.answer == Answer::Ok || (kind.answer == Answer::Refused && wasOn);
    ASSERT_EQ(window->rct_OnAirLight()->FillColor(), on ? kOn : kOff);
    ASSERT_EQ(window->LinkOpen, on);
    ASSERT_EQ(window->htm_AudioPlayer()->Visible(), on);
    ASSERT_FALSE(window->HTTPGetSocket);
    ASSERT_EQ(fw::clock::ActiveCalls(), 1) << "only the check timer counts down";
    ASSERT_EQ(fw::clock::NextDueIn(), kPeriod);
    ASSERT_LE(TemporaryFiles(), 1) << "one base file, for the page shown";
    if (on && !wasOn) {
      ++switchesOn_;
      ASSERT_TRUE(RunUntil([&] { return PlayerPageIsIn(); })) << "the player page did not come";
    }
    if (!on && wasOn) ++switchesOff_;
    ++ended_[static_cast<int>(kind.answer)];
  }

  // Checks come 15 s apart, time enough for each player page to come in
  // before the next check may take it away; here they come at once, so the
  // cycle waits for it (the engine, whose loads are cut short one after the
  // other, holds on to some of what each one had).
  bool PlayerPageIsIn() {
    bool answered = false, in = false;
    window->htm_AudioPlayer()->_Engine()->RunJavaScript(
        QStringLiteral("document.readyState === 'complete' && document.querySelector('audio') !== null"),
        [&](const QVariant& result) {
          answered = true;
          in = result.toBool();
        });
    RunUntil([&] { return answered; });
    return in;
  }

  // A flood of header lines ends at once, when the client cuts it off.
  static bool EndsByTimeLimit(Answer answer) { return answer == Answer::Hangs; }

  // The request has reached the server.
  static bool ServerHasDoneItsPart(const LoopbackServer& server) {
    return server.Received(1).find("\r\n\r\n") != std::string::npos;
  }

  void RunCycles(int count) {
    for (int i = 0; i < count && !HasFailure(); ++i) {
      const Kind& kind = NextKind();
      SCOPED_TRACE(testing::Message() << "cycle " << cycles_ << " (" << kind.name << ")");
      RunCycle(kind);
      ++cycles_;
    }
  }

  static std::discrete_distribution<int> Weights() {
    std::vector<int> weights;
    for (const Kind& kind : kKinds) weights.push_back(kind.weight);
    return std::discrete_distribution<int>(weights.begin(), weights.end());
  }

  std::mt19937 random_{20240611};
  std::discrete_distribution<int> pick_ = Weights();
  int last_ = -1;
  int cycles_ = 0;
  int switchesOn_ = 0;
  int switchesOff_ = 0;
  int ended_[kKindCount] = {};
};

TEST_F(CheckCycleSoak, ThousandsOfChecksHoldNothingBack) {
  RunCycles(kWarmUpCycles);
  const Figures before = Figures::Now();
  const int switchesOnBefore = switchesOn_;
  RunCycles(kCycles);
  ASSERT_FALSE(HasFailure());
  tembrel::test::RunFor(200);  // lets what the last cycle closed go
  const Figures after = Figures::Now();

  std::printf("soak: %d checks after %d of warm-up; all of them by answer:", kCycles, kWarmUpCycles);
  for (int k = 0; k < kKindCount; ++k) std::printf(" %s %d,", kKinds[k].name, ended_[k]);
  std::printf("\nsoak: switches on the air %d (pages loaded after the warm-up %d), off the air %d\n", switchesOn_,
              switchesOn_ - switchesOnBefore, switchesOff_);
  std::printf("soak: open descriptors %d -> %d\n", before.descriptors, after.descriptors);
  std::printf("soak: resident %.1f -> %.1f MiB; HTML engine processes %.1f -> %.1f MiB\n", MiB(before.resident),
              MiB(after.resident), MiB(before.engine), MiB(after.engine));

  EXPECT_LE(after.descriptors, before.descriptors + kDescriptorSlack);
  EXPECT_LT(after.resident - before.resident, kGrowthBoundBytes);
  EXPECT_LT(after.engine - before.engine, kEngineGrowthBoundBytes);
}

}  // namespace
