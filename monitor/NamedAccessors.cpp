#include <string_view>

#include "net/TCPSocket.h"
#include "plugins/BevelButton.h"
#include "plugins/HTMLViewer.h"
#include "runtime/Runtime.h"
#include "ui/Canvas.h"
#include "ui/CheckBox.h"
#include "ui/Label.h"
#include "ui/MenuItem.h"
#include "ui/PushButton.h"
#include "ui/Rectangle.h"
#include "ui/Timer.h"
#include "win_MainWindow.h"

namespace {

// Every call looks the name up anew; nothing is kept between calls.
template <class T>
fw::Ref<T> ControlNamed(const fw::Window& window, std::string_view name) {
  return fw::RuntimeCheckCast<T>(window._ControlByName(name));
}

template <class T>
fw::Ref<T> MenuItemNamed(const fw::Window& window, std::string_view name) {
  fw::Ref<fw::MenuBar> bar = window.MenuBar();
  return fw::RuntimeCheckCast<T>(fw::Deref(bar)._Lookup(name));
}

}  // namespace

fw::Ref<fw::TCPSocket> win_MainWindow::skt_TestOnlineSocket() {
  return ControlNamed<fw::TCPSocket>(*this, "skt_TestOnlineSocket");
}
fw::Ref<fw::Timer> win_MainWindow::tmr_LiveCheckTimer() { return ControlNamed<fw::Timer>(*this, "tmr_LiveCheckTimer"); }
fw::Ref<fw::Rectangle> win_MainWindow::rct_OnAirLight() { return ControlNamed<fw::Rectangle>(*this, "rct_OnAirLight"); }
fw::Ref<fw::Label> win_MainWindow::lbl_OnlineState() { return ControlNamed<fw::Label>(*this, "lbl_OnlineState"); }
fw::Ref<fw::CheckBox> win_MainWindow::chk_StartPlaying() {
  return ControlNamed<fw::CheckBox>(*this, "chk_StartPlaying");
}
fw::Ref<fw::Canvas> win_MainWindow::pic_Logo() { return ControlNamed<fw::Canvas>(*this, "pic_Logo"); }
fw::Ref<fw::PushButton> win_MainWindow::btn_Exit() { return ControlNamed<fw::PushButton>(*this, "btn_Exit"); }
fw::Ref<fw::Label> win_MainWindow::lbl_Heading() { return ControlNamed<fw::Label>(*this, "lbl_Heading"); }
fw::Ref<fw::BevelButton> win_MainWindow::btn_Open() { return ControlNamed<fw::BevelButton>(*this, "btn_Open"); }
fw::Ref<fw::HTMLViewer> win_MainWindow::htm_AudioPlayer() {
  return ControlNamed<fw::HTMLViewer>(*this, "htm_AudioPlayer");
}

fw::Ref<fw::MenuItem> win_MainWindow::EditMenu() { return MenuItemNamed<fw::MenuItem>(*this, "EditMenu"); }
fw::Ref<fw::MenuItem> win_MainWindow::EditSelectAll() { return MenuItemNamed<fw::MenuItem>(*this, "EditSelectAll"); }
fw::Ref<fw::MenuItem> win_MainWindow::EditSeparator2() { return MenuItemNamed<fw::MenuItem>(*this, "EditSeparator2"); }
fw::Ref<fw::MenuItem> win_MainWindow::EditClear() { return MenuItemNamed<fw::MenuItem>(*this, "EditClear"); }
fw::Ref<fw::MenuItem> win_MainWindow::EditPaste() { return MenuItemNamed<fw::MenuItem>(*this, "EditPaste"); }
fw::Ref<fw::MenuItem> win_MainWindow::EditCopy() { return MenuItemNamed<fw::MenuItem>(*this, "EditCopy"); }
fw::Ref<fw::MenuItem> win_MainWindow::EditCut() { return MenuItemNamed<fw::MenuItem>(*this, "EditCut"); }
fw::Ref<fw::MenuItem> win_MainWindow::EditSeparator1() { return MenuItemNamed<fw::MenuItem>(*this, "EditSeparator1"); }
fw::Ref<fw::MenuItem> win_MainWindow::EditUndo() { return MenuItemNamed<fw::MenuItem>(*this, "EditUndo"); }
fw::Ref<fw::MenuItem> win_MainWindow::FileMenu() { return MenuItemNamed<fw::MenuItem>(*this, "FileMenu"); }
fw::Ref<fw::QuitMenuItem> win_MainWindow::FileQuit() { return MenuItemNamed<fw::QuitMenuItem>(*this, "FileQuit"); }
