#include "LineEnd.h"

namespace fw {

std::string_view ChooseLineEnd(LineEndsSeen seen) {
  if (seen.crLf) return "\r\n";
  if (seen.lf) return "\n";
  if (seen.cr) return "\r";
  return "\r\n";
}

std::string_view ChooseLineEnd(std::string_view text) {
  constexpr auto npos = std::string_view::npos;
  return ChooseLineEnd(
      LineEndsSeen{.crLf = text.find("\r\n") != npos, .lf = text.find('\n') != npos, .cr = text.find('\r') != npos});
}

}  // namespace fw
