#pragma once

#include <string_view>

namespace fw {

// Opens the address with the desktop's handler for its scheme (a web
// address in the default browser).
void ShowURL(std::string_view url);

}  // namespace fw
