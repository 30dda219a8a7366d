#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Forward.h"
#include "runtime/Clock.h"
#include "ui/Graphics.h"
#include "ui/Window.h"

// The stream monitor: the application's only window.
class win_MainWindow : public fw::Window {
 public:
  static const fw::ClassInfo& Description();
  const fw::ClassInfo& Class() const override;

  // The one window, created when none exists yet.
  static fw::Ref<win_MainWindow> ImplicitInstance();

  win_MainWindow();
  ~win_MainWindow() override;

  // Window settings and controls.
  virtual void Layout();
  virtual void CreateControls();
  virtual void _CreateControls0();

  // Named controls.
  virtual fw::Ref<fw::TCPSocket> skt_TestOnlineSocket();
  virtual fw::Ref<fw::Timer> tmr_LiveCheckTimer();
  virtual fw::Ref<fw::Rectangle> rct_OnAirLight();
  virtual fw::Ref<fw::Label> lbl_OnlineState();
  virtual fw::Ref<fw::CheckBox> chk_StartPlaying();
  virtual fw::Ref<fw::Canvas> pic_Logo();
  virtual fw::Ref<fw::PushButton> btn_Exit();
  virtual fw::Ref<fw::Label> lbl_Heading();
  virtual fw::Ref<fw::BevelButton> btn_Open();
  virtual fw::Ref<fw::HTMLViewer> htm_AudioPlayer();

  // Control event handlers.
  virtual void skt_TestOnlineSocket_Connected(fw::Ref<fw::TCPSocket> sender);
  virtual void skt_TestOnlineSocket_Error(fw::Ref<fw::TCPSocket> sender);
  virtual void tmr_LiveCheckTimer_Action(fw::Ref<fw::Timer> sender);
  virtual void btn_Exit_Action(fw::Ref<fw::PushButton> sender);
  virtual void btn_Open_Open(fw::Ref<fw::BevelButton> sender);
  virtual void btn_Open_Action(fw::Ref<fw::BevelButton> sender);
  virtual void htm_AudioPlayer_Open(fw::Ref<fw::HTMLViewer> sender);

  // Named menu items.
  virtual fw::Ref<fw::MenuItem> EditMenu();
  virtual fw::Ref<fw::MenuItem> EditSelectAll();
  virtual fw::Ref<fw::MenuItem> EditSeparator2();
  virtual fw::Ref<fw::MenuItem> EditClear();
  virtual fw::Ref<fw::MenuItem> EditPaste();
  virtual fw::Ref<fw::MenuItem> EditCopy();
  virtual fw::Ref<fw::MenuItem> EditCut();
  virtual fw::Ref<fw::MenuItem> EditSeparator1();
  virtual fw::Ref<fw::MenuItem> EditUndo();
  virtual fw::Ref<fw::MenuItem> FileMenu();
  virtual fw::Ref<fw::QuitMenuItem> FileQuit();

  // The live check and the on-air display.
  virtual void Event_Open();
  virtual void Event_Paint(fw::Ref<fw::Graphics> g, std::vector<fw::Rect> areas);
  virtual void CheckLiveState(std::string host, std::int64_t port);
  virtual void HTTPGetError(fw::Ref<fw::HTTPSocket> sender, std::int64_t code);
  virtual void StreamAvailable();
  virtual void StreamNotAvailable();
  virtual void HTTPHeadersRx(fw::Ref<fw::HTTPSocket> sender, fw::Ref<fw::InternetHeaders> headers,
                             std::int64_t httpStatusCode);

  fw::Ref<fw::HTTPSocket> HTTPGetSocket{};
  bool LinkOpen = false;
  std::string RemoteServer{};
  std::int64_t RemotePort = 0;

  // A request phase that gets neither answer nor error in this time ends as a failed request.
  static constexpr std::int64_t kRequestTimeLimitMs = 10000;
  // The error number that the time limit passes to HTTPGetError.
  static constexpr std::int64_t kRequestTimedOut = -1;

 private:
  void RequestTimeLimitReached();
  void RequestEndedEarly();

  fw::ScheduledCall requestTimeLimit_;
};
