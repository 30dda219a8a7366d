#include "LineEnd.h"

namespace fw {

std::string_view ChooseLineEnd(std::string_view text) {
  if (text.find("\r\n") != std::string_view::npos) return "\r\n";
  if (text.find('\n') != std::string_view::npos) return "\n";
  if (text.find('\r') != std::string_view::npos) return "\r";
  return "\r\n";
}

}  // namespace fw
