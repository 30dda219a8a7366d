#pragma once

#include <string_view>

namespace fw {

// Which kinds of line end some text holds.
struct LineEndsSeen {
  bool crLf = false;
  bool lf = false;
  bool cr = false;
};

// The line end that received text uses: CR LF when it holds a CR LF pair
// anywhere, else LF when it holds an LF, else CR when it holds a CR, else CR LF.
std::string_view ChooseLineEnd(LineEndsSeen seen);
std::string_view ChooseLineEnd(std::string_view text);

}  // namespace fw
