// Writes the settings fuzz target's starting inputs and its dictionary: each of
// the main window's real blocks after the name of the class it is applied to,
// and the names of the fuzzed classes and of their settable properties.
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <string_view>

#include "FuzzedClasses.h"
#include "SettingsBlocks.h"

namespace {

struct Seed {
  std::string_view file;
  const fw::ClassInfo& (*cls)();
  const std::string& (*block)();
};

const Seed kSeeds[] = {
    {"Window", &fw::Window::Description, &blocks::Window},
    {"skt_TestOnlineSocket", &fw::TCPSocket::Description, &blocks::skt_TestOnlineSocket},
    {"tmr_LiveCheckTimer", &fw::Timer::Description, &blocks::tmr_LiveCheckTimer},
    {"rct_OnAirLight", &fw::Rectangle::Description, &blocks::rct_OnAirLight},
    {"lbl_OnlineState", &fw::Label::Description, &blocks::lbl_OnlineState},
    {"chk_StartPlaying", &fw::CheckBox::Description, &blocks::chk_StartPlaying},
    {"pic_Logo", &fw::Canvas::Description, &blocks::pic_Logo},
    {"btn_Exit", &fw::PushButton::Description, &blocks::btn_Exit},
    {"lbl_Heading", &fw::Label::Description, &blocks::lbl_Heading},
    {"btn_Open", &fw::BevelButton::Description, &blocks::btn_Open},
    {"htm_AudioPlayer", &fw::HTMLViewer::Description, &blocks::htm_AudioPlayer},
};

// A dictionary line: the text in quotes, the NUL written as an escape.
std::string Keyword(std::string_view text, bool nul) {
  return "\"" + std::string(text) + (nul ? "\\x00" : "") + "\"\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: settings_seeds <seed folder> <dictionary file>\n";
    return 2;
  }
  for (const Seed& seed : kSeeds) {
    std::ofstream out(std::string(argv[1]) + "/" + std::string(seed.file), std::ios::binary);
    out << seed.cls().name << '\0' << seed.block();
    if (!out) return 1;
  }
  std::set<std::string> keywords;
  for (auto description : fuzz::kClasses) {
    keywords.insert(Keyword(description().name, true));
    for (const fw::ClassInfo* c = &description(); c; c = c->base) {
      for (const fw::PropertyInfo& p : c->properties) {
        if (p.set) keywords.insert(Keyword(std::string(p.name) + " ", false));
      }
    }
  }
  std::ofstream dictionary(argv[2]);
  for (const std::string& k : keywords) dictionary << k;
  return dictionary ? 0 : 1;
}
