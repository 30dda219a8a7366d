#include "DisplayValues.h"
#include "PlayerPage.h"
#include "plugins/HTMLViewer.h"
#include "runtime/Runtime.h"
#include "runtime/Text.h"
#include "ui/CheckBox.h"
#include "ui/FolderItem.h"
#include "ui/Rectangle.h"
#include "ui/Timer.h"
#include "win_MainWindow.h"

namespace {

// Each ending of a check arms the timer for the next one.
void Rearm(win_MainWindow& window) {
  fw::Deref(window.tmr_LiveCheckTimer()).SetMode(fw::Timer::ModeSingle);
  fw::Deref(window.tmr_LiveCheckTimer()).SetEnabled(true);
}

}  // namespace

void win_MainWindow::StreamAvailable() {
  try {
    if (!LinkOpen) {
      fw::Deref(rct_OnAirLight()).SetFillColor(fw::Color{display::kLightOn});
      std::string colorText = fw::Right(fw::Str(fw::ColorToVariant(display::kBackground), ""), 6);
      bool autoplay = fw::Deref(chk_StartPlaying()).Value();
      std::string page = PlayerPage(colorText, autoplay, RemoteServer, RemotePort);
      fw::Deref(htm_AudioPlayer()).SetVisible(true);
      fw::Deref(htm_AudioPlayer()).LoadPage(page, fw::GetTemporaryFolderItem());
      LinkOpen = true;
    }
  } catch (...) {
    // A page that could not be loaded must not end the checks for good. LinkOpen
    // stays False, so the next 200 tries the page again; the failure goes on to be reported.
    Rearm(*this);
    throw;
  }
  Rearm(*this);
}

void win_MainWindow::StreamNotAvailable() {
  fw::Deref(rct_OnAirLight()).SetFillColor(fw::Color{display::kLightOff});
  fw::Deref(ImplicitInstance()).SetTitle(std::string(display::kTitle));
  fw::Deref(htm_AudioPlayer()).SetVisible(false);
  LinkOpen = false;
  Rearm(*this);
}

void win_MainWindow::Event_Paint(fw::Ref<fw::Graphics> g, std::vector<fw::Rect>) {
  fw::Deref(g).SetForeColor(fw::Color{display::kBackground});
  std::int64_t width = Width();
  std::int64_t height = Height();
  fw::Deref(g).FillRect(0, 0, width, height);
}
