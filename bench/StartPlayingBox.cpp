#include "StartPlayingBox.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Bench.h"

namespace bench {

namespace {

// The box's middle in the window's content area, which lies below the menu bar.
constexpr int kBoxX = 27 + 8, kBoxY = 94 + 10, kContentHeight = 250;

std::string Output(const std::string& command) {
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    pclose(pipe);
  }
  return output;
}

}  // namespace

bool TickStartPlayingBox() {
  const std::string window =
      Output("timeout 30 xdotool search --sync --onlyvisible --name '^QAX Tembrel' 2>/dev/null | head -n 1");
  const int id = std::atoi(window.c_str());
  if (id == 0) return false;
  const std::string geometry = Output(Format("xdotool getwindowgeometry --shell %d", id));
  const auto height = geometry.find("HEIGHT=");
  if (height == std::string::npos) return false;
  const int top = std::atoi(geometry.c_str() + height + 7) - kContentHeight;
  return std::system(Format("xdotool mousemove --window %d %d %d click 1", id, kBoxX, top + kBoxY).c_str()) == 0;
}

}  // namespace bench
