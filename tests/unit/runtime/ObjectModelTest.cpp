#include <gtest/gtest.h>

#include <thread>

#include "RuntimeSession.h"
#include "framework/runtime/ClassInfo.h"
#include "framework/runtime/Runtime.h"
#include "framework/runtime/WeakRef.h"
#include "framework/ui/Application.h"
#include "framework/ui/Window.h"

namespace {

using namespace fw;

// A sender with two events and a receiver with handlers of two signatures.
class Sender : public Object {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override { return Description(); }
  void Fire(std::int64_t value) { RaiseEvent(EventPosition(Class(), "Sender.Changed"), shared_from_this(), value); }
  void Ping() { RaiseEvent(EventPosition(Class(), "Sender.Ping"), shared_from_this()); }
};

class LoudSender : public Sender {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override { return Description(); }
};

constexpr EventInfo kSenderEvents[] = {{"Ping"}, {"Changed"}};
constexpr EventInfo kLoudEvents[] = {{"Shout"}};

const ClassInfo& Sender::Description() {
  static const ClassInfo info{
      .name = "Sender", .base = &Object::Description(), .events = kSenderEvents, .create = &Create<Sender>};
  return info;
}
const ClassInfo& LoudSender::Description() {
  static const ClassInfo info{
      .name = "Tests.LoudSender", .base = &Sender::Description(), .events = kLoudEvents, .create = &Create<LoudSender>};
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
  RuntimeAddEventHandler(sender, changed, RuntimeCreateDelegate(receiver, &Receiver::Changed, "( Sender, Integer )", 1));
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
  EXPECT_THROW(RuntimeNewObject(RuntimeException::Description()), RuntimeException) << "exceptions are thrown, not made";

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
