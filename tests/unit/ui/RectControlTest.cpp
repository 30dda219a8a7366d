#include <QWidget>
#include <functional>

#include "WindowFixture.h"
#include "plugins/BevelButton.h"
#include "runtime/Exceptions.h"
#include "ui/Canvas.h"
#include "ui/CheckBox.h"
#include "ui/PushButton.h"
#include "ui/Rectangle.h"

namespace {

using namespace fw;
namespace s = fw::settings;
using tembrel::test::WindowFixture;

using RectControlTest = WindowFixture;

TEST_F(RectControlTest, AnUnknownInitialParentLeavesTheControlAsItWas) {
  auto outer = Add<Rectangle>("outer", s::Block({s::Integer("Left", 100), s::Integer("Top", 50)}));
  for (const char* parent : {"", "outer"}) {
    SCOPED_TRACE(std::string("inside '") + parent + "'");
    auto inner = Add<Rectangle>(
        "inner", s::Block({s::Integer("Left", 110), s::Integer("Top", 60), s::String("InitialParent", parent)}));
    QWidget* holder = inner->_Widget()->parentWidget();
    EXPECT_THROW(inner->SetInitialParent("missing"), RuntimeException);
    EXPECT_EQ(inner->InitialParent(), parent);
    EXPECT_EQ(inner->_Widget()->parentWidget(), holder);
    // Everything that looks the parent up again still works.
    EXPECT_NO_THROW(inner->SetLeft(120));
    EXPECT_NO_THROW(inner->SetHeight(30));
    EXPECT_NO_THROW(inner->_SetOwner(window));
    const QPoint origin = *parent ? QPoint(100, 50) : QPoint(0, 0);
    EXPECT_EQ(inner->_Widget()->geometry(), QRect(QPoint(120, 60) - origin, QSize(100, 30)));
  }
}

TEST_F(RectControlTest, TabStopGivesTheWidgetItsOwnFocusPolicyBack) {
  const struct {
    const char* what;
    std::function<Ref<RectControl>()> make;
    Qt::FocusPolicy own;
  } cases[] = {
      {"push button", [&] { return Add<PushButton>("button", ""); }, Qt::StrongFocus},
      {"check box", [&] { return Add<CheckBox>("box", ""); }, Qt::StrongFocus},
      {"focusable canvas", [&] { return Add<Canvas>("canvas", s::Block({s::Boolean("AcceptFocus", true)})); },
       Qt::StrongFocus},
      {"focusable bevel button", [&] { return Add<BevelButton>("bevel", s::Block({s::Boolean("AcceptFocus", true)})); },
       Qt::StrongFocus},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto control = c.make();
    ASSERT_EQ(control->_Widget()->focusPolicy(), c.own);
    control->SetTabStop(false);
    EXPECT_EQ(control->_Widget()->focusPolicy(), Qt::NoFocus);
    control->SetTabStop(false);
    control->SetTabStop(true);
    EXPECT_EQ(control->_Widget()->focusPolicy(), c.own);
  }
}

TEST_F(RectControlTest, AcceptFocusWaitsWhileTheControlIsNoTabStop) {
  auto canvas = Add<Canvas>("canvas", s::Block({s::Boolean("TabStop", false), s::Boolean("AcceptFocus", true)}));
  EXPECT_EQ(canvas->_Widget()->focusPolicy(), Qt::NoFocus);
  canvas->SetTabStop(true);
  EXPECT_EQ(canvas->_Widget()->focusPolicy(), Qt::StrongFocus);
  canvas->SetAcceptFocus(false);
  EXPECT_EQ(canvas->_Widget()->focusPolicy(), Qt::NoFocus);
}

}  // namespace
