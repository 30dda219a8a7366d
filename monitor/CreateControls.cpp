#include <string_view>

#include "MainMenuBar.h"
#include "OwnedControls.h"
#include "SettingsBlocks.h"
#include "net/TCPSocket.h"
#include "plugins/BevelButton.h"
#include "plugins/HTMLViewer.h"
#include "qaxlogo.h"
#include "runtime/Runtime.h"
#include "runtime/Settings.h"
#include "ui/Canvas.h"
#include "ui/CheckBox.h"
#include "ui/Label.h"
#include "ui/PushButton.h"
#include "ui/Rectangle.h"
#include "ui/Timer.h"
#include "win_MainWindow.h"

namespace {

using fw::Ref;

template <class T>
Ref<fw::Object> CastTo(const Ref<fw::Object>& object) {
  return fw::RuntimeCheckCast<T>(object);
}

template <class T>
void Construct(fw::Object& object) {
  static_cast<T&>(object).Constructor();
}

// A step of one control's own, given the window and the control's name.
using ControlStep = void (*)(win_MainWindow&, std::string_view);

// The logo canvas draws the application's logo behind whatever it paints.
void GiveLogoBackdrop(win_MainWindow& window, std::string_view name);
// The viewer answers five edit items with handlers of its own.
void AddViewerMenuHandlers(win_MainWindow& window, std::string_view name);

// One control: its name, the class created, its constructor, the class that
// every lookup casts it to, its settings block, and its own steps before and
// after the settings are applied, if any.
struct ControlRow {
  std::string_view name;
  const fw::ClassInfo& (*cls)();
  void (*construct)(fw::Object&);
  Ref<fw::Object> (*cast)(const Ref<fw::Object>&);
  const std::string& (*settings)();
  ControlStep beforeSettings = nullptr;
  ControlStep afterSettings = nullptr;
};

// In the order of creation.
const ControlRow kControls[] = {
    {"skt_TestOnlineSocket", &_wrapper_skt_TestOnlineSocket::Description, &Construct<_wrapper_skt_TestOnlineSocket>,
     &CastTo<fw::TCPSocket>, &blocks::skt_TestOnlineSocket},
    {"tmr_LiveCheckTimer", &_wrapper_tmr_LiveCheckTimer::Description, &Construct<_wrapper_tmr_LiveCheckTimer>,
     &CastTo<fw::Timer>, &blocks::tmr_LiveCheckTimer},
    {"rct_OnAirLight", &fw::Rectangle::Description, &Construct<fw::RectControl>, &CastTo<fw::Rectangle>,
     &blocks::rct_OnAirLight},
    {"lbl_OnlineState", &fw::Label::Description, &Construct<fw::RectControl>, &CastTo<fw::Label>,
     &blocks::lbl_OnlineState},
    {"chk_StartPlaying", &fw::CheckBox::Description, &Construct<fw::RectControl>, &CastTo<fw::CheckBox>,
     &blocks::chk_StartPlaying},
    {"pic_Logo", &fw::Canvas::Description, &Construct<fw::RectControl>, &CastTo<fw::Canvas>, &blocks::pic_Logo,
     &GiveLogoBackdrop},
    {"btn_Exit", &fw::PushButton::Description, &Construct<fw::RectControl>, &CastTo<fw::PushButton>, &blocks::btn_Exit},
    {"lbl_Heading", &fw::Label::Description, &Construct<fw::RectControl>, &CastTo<fw::Label>, &blocks::lbl_Heading},
    {"btn_Open", &fw::BevelButton::Description, &Construct<fw::RectControl>, &CastTo<fw::BevelButton>,
     &blocks::btn_Open},
    {"htm_AudioPlayer", &fw::HTMLViewer::Description, &Construct<fw::RectControl>, &CastTo<fw::HTMLViewer>,
     &blocks::htm_AudioPlayer, nullptr, &AddViewerMenuHandlers},
};

template <auto Method>
fw::Delegate HandlerOf(const Ref<win_MainWindow>& window, std::string_view signature) {
  return fw::RuntimeCreateDelegate(window, Method, signature, 1);
}

// One event attachment: a window method for an event of a control, at the
// event's position in the control's class.
struct EventRow {
  std::string_view control;
  int event;
  fw::Delegate (*handler)(const Ref<win_MainWindow>&, std::string_view);
  std::string_view signature;
};

using fw::EventPositionOf;

const EventRow kEvents[] = {
    {"skt_TestOnlineSocket", EventPositionOf(fw::TCPSocket::kEventTable, "TCPSocket.Connected"),
     &HandlerOf<&win_MainWindow::skt_TestOnlineSocket_Connected>, "( TCPSocket )"},
    {"skt_TestOnlineSocket", EventPositionOf(fw::TCPSocket::kEventTable, "SocketCore.Error"),
     &HandlerOf<&win_MainWindow::skt_TestOnlineSocket_Error>, "( TCPSocket )"},
    {"tmr_LiveCheckTimer", EventPositionOf(fw::Timer::kEventTable, "Timer.Action"),
     &HandlerOf<&win_MainWindow::tmr_LiveCheckTimer_Action>, "( Timer )"},
    {"btn_Exit", EventPositionOf(fw::PushButton::kEventTable, "PushButton.Action"),
     &HandlerOf<&win_MainWindow::btn_Exit_Action>, "( PushButton )"},
    {"btn_Open", EventPositionOf(fw::BevelButton::kEventTable, "Control.Open"),
     &HandlerOf<&win_MainWindow::btn_Open_Open>, "( BevelButton )"},
    {"btn_Open", EventPositionOf(fw::BevelButton::kEventTable, "BevelButton.Action"),
     &HandlerOf<&win_MainWindow::btn_Open_Action>, "( BevelButton )"},
    {"htm_AudioPlayer", EventPositionOf(fw::HTMLViewer::kEventTable, "HTMLViewer.Open"),
     &HandlerOf<&win_MainWindow::htm_AudioPlayer_Open>, "( HTMLViewer )"},
};

// The viewer's own handlers of five edit items.
struct MenuHandlerRow {
  std::string_view item;
  bool (fw::HTMLViewer::*handler)();
};

const MenuHandlerRow kViewerMenuHandlers[] = {
    {"EditClear", &fw::HTMLViewer::_EditClear_Action},
    {"EditCopy", &fw::HTMLViewer::_EditCopy_Action},
    {"EditCut", &fw::HTMLViewer::_EditCut_Action},
    {"EditPaste", &fw::HTMLViewer::_EditPaste_Action},
    {"EditSelectAll", &fw::HTMLViewer::_EditSelectAll_Action},
};

void GiveLogoBackdrop(win_MainWindow& window, std::string_view name) {
  fw::Deref(fw::RuntimeCheckCast<fw::Canvas>(window._ControlByName(name))).SetBackdrop(qaxlogo());
}

void AddViewerMenuHandlers(win_MainWindow& window, std::string_view name) {
  for (const MenuHandlerRow& menu : kViewerMenuHandlers) {
    auto viewer = fw::RuntimeCheckCast<fw::HTMLViewer>(window._ControlByName(name));
    fw::Delegate handler = fw::RuntimeCreateDelegate(viewer, menu.handler, "(  ) as Boolean", 0);
    fw::Deref(fw::RuntimeCheckCast<fw::HTMLViewer>(window._ControlByName(name)))
        ._AddMenuHandler(std::string(menu.item), handler);
  }
}

}  // namespace

void win_MainWindow::Layout() {
  SetMenuBar(MainMenuBar::ImplicitInstance());
  fw::_SetProperties(*this, blocks::Window());
}

void win_MainWindow::CreateControls() { _CreateControls0(); }

void win_MainWindow::_CreateControls0() {
  auto self = SharedAs<win_MainWindow>();
  // Every step after registration reaches the control by a fresh lookup.
  auto lookup = [&](const ControlRow& row) -> fw::Object& {
    // The registry keeps the control alive; the reference of the lookup goes at once.
    return fw::Deref(row.cast(_ControlByName(row.name)));
  };
  for (const ControlRow& row : kControls) {
    Ref<fw::Object> created = __New(row.cls());
    row.construct(*created);
    _AddControl(row.name, created);
    created = nullptr;  // from here on only the window keeps the control

    if (row.beforeSettings) row.beforeSettings(*this, row.name);
    fw::_SetProperties(lookup(row), row.settings());
    if (row.afterSettings) row.afterSettings(*this, row.name);

    for (const EventRow& event : kEvents) {
      if (event.control != row.name) continue;
      lookup(row).AddEventHandler(event.event, event.handler(self, event.signature));
    }
  }
}
