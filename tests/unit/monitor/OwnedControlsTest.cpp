#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "OwnedControls.h"
#include "runtime/Runtime.h"
#include "ui/Window.h"

namespace {

template <class T>
class OwnedControlTest : public ::testing::Test {};
using Classes = ::testing::Types<_wrapper_skt_TestOnlineSocket, _wrapper_tmr_LiveCheckTimer>;
TYPED_TEST_SUITE(OwnedControlTest, Classes);

TYPED_TEST(OwnedControlTest, HoldsItsWindowWeaklyAndItsIndexAsGiven) {
  auto control = std::make_shared<TypeParam>();
  control->Constructor();
  EXPECT_EQ(control->Window(), nullptr);
  EXPECT_EQ(control->_Index(), 0);

  auto first = std::make_shared<fw::Window>();
  auto second = std::make_shared<fw::Window>();
  control->_SetWindow(first);
  EXPECT_EQ(control->Window(), first);
  std::weak_ptr<fw::WeakRef> firstRef = control->ownerWindow;
  control->_SetWindow(second);
  EXPECT_EQ(control->Window(), second);
  EXPECT_TRUE(firstRef.expired()) << "the earlier WeakRef goes as the field drops it";

  std::weak_ptr<fw::Window> watch = second;
  second = nullptr;
  EXPECT_TRUE(watch.expired()) << "the control never keeps its window alive";
  EXPECT_EQ(control->Window(), nullptr);

  for (std::int64_t index : {std::int64_t{-2147483648LL}, std::numeric_limits<std::int64_t>::min(), std::int64_t{7}}) {
    control->_SetIndex(index);
    EXPECT_EQ(control->_Index(), index);
  }

  control->_SetWindow(first);
  std::weak_ptr<fw::WeakRef> lastRef = control->ownerWindow;
  control = nullptr;
  EXPECT_TRUE(lastRef.expired()) << "destroying the object releases its WeakRef";
  std::weak_ptr<fw::Window> firstWatch = first;
  first = nullptr;
  EXPECT_TRUE(firstWatch.expired()) << "and leaves nothing behind that holds its window";
}

TEST(OwnedControls, PassTheCastsToTheirFrameworkClasses) {
  fw::Ref<fw::Object> socket = fw::RuntimeNewObject(_wrapper_skt_TestOnlineSocket::Description());
  fw::Ref<fw::Object> timer = fw::RuntimeNewObject(_wrapper_tmr_LiveCheckTimer::Description());
  EXPECT_EQ(fw::RuntimeCheckCast<fw::TCPSocket>(socket), socket);
  EXPECT_EQ(fw::RuntimeCheckCast<fw::Timer>(timer), timer);
  EXPECT_THROW(fw::RuntimeCheckCast<fw::Timer>(socket), fw::IllegalCastException);
  EXPECT_EQ(socket->Class().name, "win_MainWindow._wrapper_skt_TestOnlineSocket");
  EXPECT_EQ(timer->Class().interfaces.back(), "_PaneChild");
  EXPECT_EQ(fw::EventCount(socket->Class()), 5);
  EXPECT_EQ(fw::EventCount(timer->Class()), 1);
}

// A class's own properties, methods (each with its attributes) and interfaces, one list each.
std::string Described(const fw::ClassInfo& cls) {
  std::string text = std::string(cls.name) + " : " + std::string(cls.base->name) + ";";
  for (const auto& p : cls.properties)
    text += " " + std::string(p.name) + (p.attributes.empty() ? "" : " " + std::string(p.attributes));
  text += ";";
  for (const auto& m : cls.methods)
    text += " " + std::string(m.name) + (m.attributes.empty() ? "" : " " + std::string(m.attributes));
  text += ";";
  for (std::string_view i : cls.interfaces) text += " " + std::string(i);
  return text;
}

TEST(OwnedControls, EachClassAddsTheSameFieldsAndMethodsAndPaneChildLast) {
  EXPECT_EQ(Described(_wrapper_skt_TestOnlineSocket::Description()),
            "win_MainWindow._wrapper_skt_TestOnlineSocket : TCPSocket; Index ownerWindow Hidden; _SetWindow Hidden "
            "Window _Index Hidden _SetIndex Hidden Constructor; Writeable Readable _PaneChild");
  EXPECT_EQ(Described(_wrapper_tmr_LiveCheckTimer::Description()),
            "win_MainWindow._wrapper_tmr_LiveCheckTimer : Timer; Index ownerWindow Hidden; _SetWindow Hidden "
            "Window _Index Hidden _SetIndex Hidden Constructor; actionSource _PaneChild");
}

TEST(OwnedControls, TheWindowGivesItsNonVisualControlsTheirOwner) {
  auto window = std::make_shared<fw::Window>();
  auto timer =
      fw::RuntimeCheckCast<_wrapper_tmr_LiveCheckTimer>(window->__New(_wrapper_tmr_LiveCheckTimer::Description()));
  EXPECT_EQ(timer->Window(), window);
}

}  // namespace
