#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <vector>

#include "EventLoop.h"
#include "plugins/BevelButton.h"
#include "runtime/ClassInfo.h"
#include "ui/Graphics.h"
#include "ui/MenuItem.h"
#include "ui/PushButton.h"
#include "ui/Timer.h"
#include "ui/Window.h"

namespace {

using namespace fw;

// Notes the sender of each event it is given.
class Listener : public Object {
 public:
  void Heard(Ref<Object> sender) { senders.push_back(sender); }
  void Painted(Ref<Graphics>, std::vector<Rect>) { ++paints; }
  std::vector<Ref<Object>> senders;
  int paints = 0;
};

// Objects that no counted reference owns (built on the stack, as tests and
// embedding code do) still raise their events, with nil as the sender.
TEST(ObjectsOnTheStack, RaiseTheirEventsWithANilSender) {
  auto listener = std::make_shared<Listener>();
  auto attach = [&](Object& object, std::string_view event, std::string_view signature) {
    object.AddEventHandler(EventPosition(object.Class(), event), Delegate(listener, &Listener::Heard, signature, 1));
  };
  const struct {
    const char* what;
    std::function<void()> run;
  } cases[] = {
      {"push button clicked",
       [&] {
         PushButton button;
         attach(button, "PushButton.Action", "( PushButton )");
         static_cast<QAbstractButton*>(button._Widget())->click();
       }},
      {"bevel button row chosen",
       [&] {
         BevelButton button;
         button.AddRow("Home");
         button.SetHasMenu(1);
         attach(button, "BevelButton.Action", "( BevelButton )");
         static_cast<QToolButton*>(button._Widget())->menu()->actions()[0]->trigger();
       }},
      {"timer fired",
       [&] {
         Timer timer;
         attach(timer, "Timer.Action", "( Timer )");
         timer.SetPeriod(1);
         timer.SetMode(Timer::ModeSingle);
         EXPECT_TRUE(tembrel::test::RunUntil([&] { return !listener->senders.empty(); }));
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    listener->senders.clear();
    EXPECT_NO_THROW(c.run());
    EXPECT_EQ(listener->senders, std::vector<Ref<Object>>{nullptr});
  }
}

TEST(ObjectsOnTheStack, HandleMenuChoicesAndPaintEvents) {
  MenuItem item;
  EXPECT_NO_THROW(item._Action()->trigger());

  auto listener = std::make_shared<Listener>();
  Window window;
  window.AddEventHandler(EventPosition(window.Class(), "Window.Paint"),
                         Delegate(listener, &Listener::Painted, "( Graphics, Rect() )", 1));
  EXPECT_NO_THROW(window._Content()->grab());
  EXPECT_EQ(listener->paints, 1);
}

}  // namespace
