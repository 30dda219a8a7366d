#include <QTest>
#include <QWidget>
#include <vector>

#include "SettingsBlocks.h"
#include "WindowFixture.h"
#include "runtime/Exceptions.h"
#include "ui/PushButton.h"

namespace {

using namespace fw;
namespace s = fw::settings;
using tembrel::test::WindowFixture;

// Stands in for the window whose method handles the button's Action.
class Receiver : public Object {
 public:
  void OnAction(Ref<PushButton> button) {
    senders.push_back(button);
    if (fail) throw RuntimeException("handler failed");
  }
  std::vector<Ref<PushButton>> senders;
  bool fail = false;
};

std::vector<std::string> reports;
void Report(std::exception_ptr e) { reports.push_back(DescribeException(e)); }

class PushButtonTest : public WindowFixture {
 protected:
  PushButtonTest() { RuntimeSetUnhandledExceptionObserver(&Report); }
  ~PushButtonTest() override {
    RuntimeSetUnhandledExceptionObserver(nullptr);
    reports.clear();
  }

  Ref<PushButton> AttachedButton() {
    auto button = Add<PushButton>("btn_Exit", blocks::btn_Exit());
    RuntimeAddEventHandler(button, EventPosition(PushButton::Description(), "PushButton.Action"),
                           RuntimeCreateDelegate(receiver, &Receiver::OnAction, "( PushButton )", 1));
    Show();
    return button;
  }

  Ref<Receiver> receiver = std::make_shared<Receiver>();
};

TEST(PushButtonClass, ActionIsAtFlatPosition15) {
  EXPECT_EQ(EventPosition(PushButton::Description(), "PushButton.Action"), 15);
  EXPECT_EQ(EventNameAt(PushButton::Description(), 15), "PushButton.Action");
}

TEST_F(PushButtonTest, ExitBlockSetsEveryProperty) {
  auto button = Add<PushButton>("btn_Exit", blocks::btn_Exit());
  EXPECT_EQ(button->Caption(), "Exit");
  EXPECT_FALSE(button->Default());
  EXPECT_FALSE(button->Cancel());
  EXPECT_EQ(button->ButtonStyle(), PushButton::StyleNormal);
  EXPECT_EQ(button->TextFont(), "System");
  EXPECT_EQ(button->TextSize(), 0.0f);
  EXPECT_EQ(button->TextUnit(), FontUnits::Default);
  EXPECT_FALSE(button->Bold());
  EXPECT_FALSE(button->Italic());
  EXPECT_FALSE(button->Underline());
}

TEST_F(PushButtonTest, ClickRaisesActionWithTheButton) {
  auto button = AttachedButton();
  QTest::mouseClick(button->_Widget(), Qt::LeftButton);
  ASSERT_EQ(receiver->senders.size(), 1u);
  EXPECT_EQ(receiver->senders[0], button);
}

TEST_F(PushButtonTest, DisabledButtonRaisesNothing) {
  auto button = AttachedButton();
  button->SetEnabled(false);
  QTest::mouseClick(button->_Widget(), Qt::LeftButton);
  EXPECT_TRUE(receiver->senders.empty());
}

TEST_F(PushButtonTest, HandlerExceptionGoesToTheUnhandledReport) {
  auto button = AttachedButton();
  receiver->fail = true;
  QTest::mouseClick(button->_Widget(), Qt::LeftButton);
  EXPECT_EQ(receiver->senders.size(), 1u);
  EXPECT_EQ(reports, std::vector<std::string>{"RuntimeException: handler failed"});
}

}  // namespace
