#include <gtest/gtest.h>

#include <thread>

#include "RuntimeSession.h"
#include "runtime/ClassInfo.h"
#include "runtime/Runtime.h"
#include "runtime/WeakRef.h"
#include "ui/Application.h"
#include "ui/Window.h"

namespace {

using namespace fw;

// A sender with two events and a receiver with handlers of two signatures.
class Sender : public Object {
 public:
  static constexpr EventInfo kOwnEvents[] = {{"Ping"}, {"Changed"}};
  static constexpr EventTable kEventTable{"Sender", &Object::kEventTable, kOwnEvents};

  static const ClassInfo& Description();
  const ClassInfo& Class() const override { return Description(); }
  void Fire(std::int64_t value) {
    RaiseEvent(EventPositionOf(kEventTable, "Sender.Changed"), shared_from_this(), value);
  }
  void Ping() { RaiseEvent(EventPositionOf(kEventTable, "Sender.Ping"), shared_from_this()); }
};

class LoudSender : public Sender {
 public:
  static constexpr EventInfo kOwnEvents[] = {{"Shout"}};
  static constexpr EventTable kEventTable{"LoudSender", &Sender::kEventTable, kOwnEvents};

  static const ClassInfo& Description();
  const ClassInfo& Class() const override { return Description(); }
  void Shout() { RaiseEvent(EventPositionOf(kEventTable, "LoudSender.Shout"), shared_from_this()); }
};

const ClassInfo& Sender::Description() {
  static const ClassInfo info{
      .name = "Sender", .base = &Object::Description(), .events = kOwnEvents, .create = &Create<Sender>};
  return info;
}
const ClassInfo& LoudSender::Description() {
  static const ClassInfo info{
      .name = "Tests.LoudSender", .base = &Sender::Description(), .events = kOwnEvents, .create = &Create<LoudSender>};
  return info;
}

// The look-up at compile time gives what the run-time one gives below, and finds nothing where it finds nothing.
static_assert(EventPositionOf(LoudSender::kEventTable, "Sender.Ping") == 0);
static_assert(EventPositionOf(LoudSender::kEventTable, "Changed") == 1);
static_assert(EventPositionOf(LoudSender::kEventTable, "LoudSender.Shout") == 2);
static_assert(EventCountOf(LoudSender::kEventTable) == 3);
static_assert(event_lookup::Position(LoudSender::kEventTable, "LoudSender.Ping") < 0);
static_assert(event_lookup::Position(Sender::kEventTable, "Shout") < 0);
static_assert(HasEventsInOrder(LoudSender::kEventTable, {"Sender.Ping", "Sender.Changed", "LoudSender.Shout"}));
static_assert(!HasEventsInOrder(LoudSender::kEventTable, {"Sender.Ping", "Sender.Changed"}));
static_assert(!HasEventsInOrder(LoudSender::kEventTable, {"Sender.Changed", "Sender.Ping", "LoudSender.Shout"}));

// A sender class that names its own handlers: of an inherited event and of its own.
class SelfHeard : public LoudSender {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override { return Description(); }
  void HeardPing(Ref<Sender>) { ++pings; }
  void HeardShout(Ref<Sender>) { ++shouts; }
  int pings = 0;
  int shouts = 0;
};

// A subclass that adds nothing: the handlers of its base's class reach it too.
class QuietSelfHeard : public SelfHeard {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override { return Description(); }
};

constexpr ClassEventHandler kSelfHeardHandlers[] = {
    HandlesEvent<&SelfHeard::HeardPing>("Sender.Ping"),
    HandlesEvent<&SelfHeard::HeardShout>("LoudSender.Shout"),
};

const ClassInfo& SelfHeard::Description() {
  static const ClassInfo info{
      .name = "SelfHeard", .base = &LoudSender::Description(), .eventHandlers = kSelfHeardHandlers};
  return info;
}
const ClassInfo& QuietSelfHeard::Description() {
  static const ClassInfo info{.name = "QuietSelfHeard", .base = &SelfHeard::Description()};
  return info;
}

class Receiver : public Object {
 public:
  void Changed(Ref<Sender> sender, std::int64_t value) {
    lastSender = sender;
    total += value;
  }
  void Ping(Ref<Sender>) { ++pings; }
  void DetachMyself(Ref<Sender> sender) {
    ++pings;
    sender->RemoveEventHandler(0, Delegate(SharedAs<Receiver>(), &Receiver::DetachMyself, "( Sender )", 1));
  }
  Ref<Sender> lastSender;
  std::int64_t total = 0;
  int pings = 0;
};

TEST(Events, FlatPositionsCountTheAncestorsEventsFirst) {
  EXPECT_EQ(EventPosition(LoudSender::Description(), "Sender.Ping"), 0);
  EXPECT_EQ(EventPosition(LoudSender::Description(), "Changed"), 1);
  EXPECT_EQ(EventPosition(LoudSender::Description(), "LoudSender.Shout"), 2);
  EXPECT_EQ(EventCount(LoudSender::Description()), 3);
  EXPECT_EQ(EventNameAt(LoudSender::Description(), 2), "LoudSender.Shout");
  EXPECT_THROW(EventPosition(LoudSender::Description(), "LoudSender.Ping"), RuntimeException);
}

TEST(Events, DelegatesAttachDetachCompareAndNarrowTheirArguments) {
  auto sender = std::make_shared<LoudSender>();
  auto receiver = std::make_shared<Receiver>();
  int changed = EventPosition(sender->Class(), "Sender.Changed");
  sender->Fire(5);  // no handler: nothing happens
  RuntimeAddEventHandler(sender, changed,
                         RuntimeCreateDelegate(receiver, &Receiver::Changed, "( Sender, Integer )", 1));
  sender->Fire(5);
  sender->Fire(2);
  EXPECT_EQ(receiver->total, 7);
  EXPECT_EQ(receiver->lastSender, sender);

  Delegate again(receiver, &Receiver::Changed, "( Sender, Integer )", 1);
  Delegate other(receiver, &Receiver::Ping, "( Sender )", 1);
  Delegate elsewhere(std::make_shared<Receiver>(), &Receiver::Changed, "( Sender, Integer )", 1);
  EXPECT_TRUE(again == Delegate(receiver, &Receiver::Changed, "", 0));
  EXPECT_FALSE(again == other);
  EXPECT_FALSE(again == elsewhere);
  EXPECT_THROW(sender->AddEventHandler(changed, elsewhere), RuntimeException) << "one handler per event";

  RuntimeRemoveEventHandler(sender, changed, elsewhere);  // not the attached one: stays
  EXPECT_TRUE(sender->HasEventHandler(changed));
  RuntimeRemoveEventHandler(sender, changed, again);  // a delegate made anew detaches
  EXPECT_FALSE(sender->HasEventHandler(changed));
  sender->Fire(100);
  EXPECT_EQ(receiver->total, 7);
}

TEST(Events, AHandlerMayDetachItselfAndHandlersHoldTheirTargetWeakly) {
  auto sender = std::make_shared<Sender>();
  auto receiver = std::make_shared<Receiver>();
  sender->AddEventHandler(0, Delegate(receiver, &Receiver::DetachMyself, "( Sender )", 1));
  sender->Ping();
  sender->Ping();
  EXPECT_EQ(receiver->pings, 1);

  std::weak_ptr<Receiver> watch = receiver;
  sender->AddEventHandler(0, Delegate(receiver, &Receiver::Ping, "( Sender )", 1));
  receiver = nullptr;
  EXPECT_TRUE(watch.expired()) << "the sender's handler does not keep the receiver alive";
  sender->Ping();  // its target is gone: nothing happens
}

TEST(Events, AClassHandlerTakesItsEventsOnEveryInstanceOfTheClassAndItsSubclasses) {
  static_assert(kSelfHeardHandlers[0].position == 0 && kSelfHeardHandlers[1].position == 2);
  auto receiver = std::make_shared<Receiver>();
  auto self = std::make_shared<QuietSelfHeard>();
  self->AddEventHandler(0, Delegate(receiver, &Receiver::Ping, "( Sender )", 1));
  self->AddEventHandler(1, Delegate(receiver, &Receiver::Changed, "( Sender, Integer )", 1));
  self->Ping();
  self->Shout();
  self->Shout();
  self->Fire(3);
  EXPECT_EQ(self->pings, 1);
  EXPECT_EQ(self->shouts, 2);
  EXPECT_EQ(receiver->pings, 0) << "the class's handler comes before the one attached";
  EXPECT_EQ(receiver->total, 3) << "an event that the class does not handle reaches the attached one";
}

TEST(Events, ArgumentsOfTheWrongShapeRaise) {
  auto sender = std::make_shared<Sender>();
  auto receiver = std::make_shared<Receiver>();
  sender->AddEventHandler(0, Delegate(receiver, &Receiver::Changed, "( Sender, Integer )", 1));
  EXPECT_THROW(sender->Ping(), RuntimeException);
  EXPECT_EQ(receiver->total, 0);
}

TEST(Classes, RegistryCastsAndWeakReferences) {
  RuntimeRegisterClass(LoudSender::Description());
  EXPECT_TRUE(RuntimeIsRegistered(Sender::Description())) << "the base first";
  RuntimeRegisterClass(LoudSender::Description());
  EXPECT_EQ(RuntimeLookupClass("Tests.LoudSender"), &LoudSender::Description());

  Ref<Object> loud = RuntimeNewObject(LoudSender::Description());
  EXPECT_EQ(RuntimeCheckCast<Sender>(loud), loud) << "a subclass passes";
  EXPECT_THROW(RuntimeCheckCast<LoudSender>(RuntimeNewObject(Sender::Description())), IllegalCastException);
  EXPECT_EQ(RuntimeCheckCast<Sender>(nullptr), nullptr);
  EXPECT_THROW(RuntimeNewObject(RuntimeException::Description()), RuntimeException)
      << "exceptions are thrown, not made";

  auto weak = std::make_shared<WeakRef>();
  weak->Constructor(loud);
  EXPECT_EQ(weak->Value(), loud);
  loud = nullptr;
  EXPECT_EQ(weak->Value(), nullptr);
  tembrel::test::EndRuntime();
}

TEST(MainThread, OnlyOnceAnApplicationExistsAndOnlyOffTheMainThread) {
  auto probe = [] {
    std::string message;
    std::thread([&] {
      try {
        CheckMainThread();
      } catch (const ThreadAccessingUIException& e) {
        message = e.Message();
      }
    }).join();
    return message;
  };
  EXPECT_EQ(probe(), "") << "no application object yet";
  _RuntimeRegisterAppObject(std::make_shared<Application>());
  EXPECT_EQ(probe(),
            "A thread has attempted to manipulate a user interface element. This can only be done from the "
            "application's main thread.");
  EXPECT_NO_THROW(CheckMainThread());
  tembrel::test::EndRuntime();
}

}  // namespace
