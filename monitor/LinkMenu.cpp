#include <string>

#include "BuildSettings.h"
#include "plugins/BevelButton.h"
#include "runtime/Runtime.h"
#include "ui/PushButton.h"
#include "ui/ShowURL.h"
#include "win_MainWindow.h"

namespace {

// The link menu's rows, by index, with the address each one opens.
struct LinkRow {
  const char* text;
  const char* path;
};

constexpr LinkRow kLinks[] = {
    {"Church Website", ""},
    {"Sermon Archive Online", "/sermons-archive/"},
    {"Church Bulletins", "/church-bulletin/"},
};

}  // namespace

void win_MainWindow::btn_Open_Open(fw::Ref<fw::BevelButton> sender) {
  for (const LinkRow& row : kLinks) fw::Deref(sender).AddRow(row.text);
  fw::Deref(sender).SetMenuValue(-1);
}

void win_MainWindow::btn_Open_Action(fw::Ref<fw::BevelButton> sender) {
  std::int64_t chosen = fw::Deref(sender).MenuValue();
  for (std::int64_t row = 0; row < static_cast<std::int64_t>(std::size(kLinks)); ++row) {
    if (chosen == row) {
      fw::ShowURL(std::string(kWebSiteAddress) + kLinks[row].path);
      break;
    }
  }
  fw::Deref(sender).SetMenuValue(-1);
}

void win_MainWindow::btn_Exit_Action(fw::Ref<fw::PushButton>) { fw::Quit(0); }

void win_MainWindow::htm_AudioPlayer_Open(fw::Ref<fw::HTMLViewer>) {}
