#include <gtest/gtest.h>

#include "MonitorFixture.h"
#include "OwnedControls.h"
#include "net/TCPSocket.h"
#include "plugins/BevelButton.h"
#include "plugins/HTMLViewer.h"
#include "runtime/ClassInfo.h"
#include "runtime/Runtime.h"
#include "ui/Canvas.h"
#include "ui/CheckBox.h"
#include "ui/Label.h"
#include "ui/Picture.h"
#include "ui/PushButton.h"
#include "ui/Rectangle.h"
#include "ui/Timer.h"

namespace {

using CreateControls = tembrel::test::MonitorTest;
using tembrel::test::CallAccessor;

struct ControlRow {
  const char* name;
  const fw::ClassInfo& (*created)();
  const fw::ClassInfo& (*castTo)();
  fw::Ref<fw::Object> (*accessor)(win_MainWindow&);
};

const ControlRow kControls[] = {
    {"skt_TestOnlineSocket", &_wrapper_skt_TestOnlineSocket::Description, &fw::TCPSocket::Description,
     &CallAccessor<&win_MainWindow::skt_TestOnlineSocket>},
    {"tmr_LiveCheckTimer", &_wrapper_tmr_LiveCheckTimer::Description, &fw::Timer::Description,
     &CallAccessor<&win_MainWindow::tmr_LiveCheckTimer>},
    {"rct_OnAirLight", &fw::Rectangle::Description, &fw::Rectangle::Description,
     &CallAccessor<&win_MainWindow::rct_OnAirLight>},
    {"lbl_OnlineState", &fw::Label::Description, &fw::Label::Description,
     &CallAccessor<&win_MainWindow::lbl_OnlineState>},
    {"chk_StartPlaying", &fw::CheckBox::Description, &fw::CheckBox::Description,
     &CallAccessor<&win_MainWindow::chk_StartPlaying>},
    {"pic_Logo", &fw::Canvas::Description, &fw::Canvas::Description, &CallAccessor<&win_MainWindow::pic_Logo>},
    {"btn_Exit", &fw::PushButton::Description, &fw::PushButton::Description, &CallAccessor<&win_MainWindow::btn_Exit>},
    {"lbl_Heading", &fw::Label::Description, &fw::Label::Description, &CallAccessor<&win_MainWindow::lbl_Heading>},
    {"btn_Open", &fw::BevelButton::Description, &fw::BevelButton::Description,
     &CallAccessor<&win_MainWindow::btn_Open>},
    {"htm_AudioPlayer", &fw::HTMLViewer::Description, &fw::HTMLViewer::Description,
     &CallAccessor<&win_MainWindow::htm_AudioPlayer>},
};

TEST_F(CreateControls, TenControlsFoundByNameOfTheirClasses) {
  EXPECT_EQ(window->_ControlCount(), 10u);
  for (const ControlRow& row : kControls) {
    auto control = window->_ControlByName(row.name);
    ASSERT_TRUE(control) << row.name;
    EXPECT_EQ(&control->Class(), &row.created()) << row.name;
    EXPECT_TRUE(fw::IsA(control->Class(), row.castTo())) << row.name;
    // Each accessor hands out the object registered under its own name (two are Labels, so the
    // class alone would not tell them apart).
    EXPECT_EQ(row.accessor(*window), control) << row.name;
  }
}

TEST_F(CreateControls, OnlyTheSevenEventsHaveHandlersAtTheirPositions) {
  const struct {
    const char* control;
    const char* event;
    int position;
  } attached[] = {
      {"skt_TestOnlineSocket", "TCPSocket.Connected", 3},
      {"skt_TestOnlineSocket", "SocketCore.Error", 1},
      {"tmr_LiveCheckTimer", "Timer.Action", 0},
      {"btn_Exit", "PushButton.Action", 15},
      {"btn_Open", "Control.Open", 2},
      {"btn_Open", "BevelButton.Action", 17},
      {"htm_AudioPlayer", "HTMLViewer.Open", 34},
  };
  for (const auto& a : attached) {
    EXPECT_EQ(fw::EventPosition(window->_ControlByName(a.control)->Class(), a.event), a.position) << a.event;
  }
  for (const ControlRow& row : kControls) {
    auto control = window->_ControlByName(row.name);
    for (int position = 0; position < fw::EventCount(control->Class()); ++position) {
      bool expected = false;
      for (const auto& a : attached) expected |= a.control == std::string(row.name) && a.position == position;
      EXPECT_EQ(control->HasEventHandler(position), expected)
          << row.name << " " << fw::EventNameAt(control->Class(), position);
    }
  }
}

TEST_F(CreateControls, TheViewerHasFiveEditHandlersThatHandleNothing) {
  auto viewer = window->htm_AudioPlayer();
  for (const char* item : {"EditClear", "EditCopy", "EditCut", "EditPaste", "EditSelectAll"}) {
    EXPECT_TRUE(viewer->_HasMenuHandler(item)) << item;
    EXPECT_FALSE(viewer->_HandleMenuCommand(item)) << item;
  }
  EXPECT_FALSE(viewer->_HasMenuHandler("EditUndo"));
}

TEST_F(CreateControls, TheLogoIsTheCanvasBackdrop) {
  ASSERT_TRUE(window->pic_Logo()->Backdrop());
  EXPECT_EQ(window->pic_Logo()->Backdrop()->Width(), 237);
}

TEST_F(CreateControls, ClassDescription) {
  const fw::ClassInfo& cls = win_MainWindow::Description();
  EXPECT_EQ(cls.name, "win_MainWindow.win_MainWindow");
  EXPECT_EQ(cls.base, &fw::Window::Description());
  EXPECT_EQ(cls.methods.size(), 38u);
  EXPECT_EQ(fw::EventCount(cls), 34);
  ASSERT_EQ(cls.properties.size(), 4u);
  const char* const properties[] = {"HTTPGetSocket", "LinkOpen", "RemoteServer", "RemotePort"};
  for (std::size_t i = 0; i < std::size(properties); ++i) EXPECT_EQ(cls.properties[i].name, properties[i]);
  for (const auto& m : cls.methods) EXPECT_EQ(m.attributes == "Hidden", m.name == "_CreateControls0") << m.name;
  EXPECT_EQ(fw::_GetImplicitWindow(cls.name), window);
  EXPECT_EQ(win_MainWindow::ImplicitInstance(), window) << "a second call creates no second window";
}

// A window whose fifth control cannot be created.
class FifthControlFails : public win_MainWindow {
 public:
  fw::Ref<fw::Object> __New(const fw::ClassInfo& cls) override {
    if (&cls == &fw::CheckBox::Description()) throw fw::RuntimeException("no check box today");
    return win_MainWindow::__New(cls);
  }
};

TEST_F(CreateControls, AFailureAtTheFifthControlLeavesTheFirstFour) {
  auto failing = std::make_shared<FifthControlFails>();
  EXPECT_THROW(failing->Constructor(), fw::RuntimeException);
  EXPECT_EQ(failing->_ControlCount(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(failing->_ControlByName(kControls[i].name)) << kControls[i].name;
  EXPECT_EQ(failing->rct_OnAirLight()->FillColor(), fw::Color{0x360E0F}) << "the first four have their settings";
  EXPECT_TRUE(failing->tmr_LiveCheckTimer()->HasEventHandler(0)) << "and their handlers";
}

}  // namespace
