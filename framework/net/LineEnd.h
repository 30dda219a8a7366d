#pragma once

#include <string_view>

namespace fw {

// The line end that received text uses: CR LF when it holds a CR LF pair
// anywhere, else LF when it holds an LF, else CR when it holds a CR, else CR LF.
std::string_view ChooseLineEnd(std::string_view text);

}  // namespace fw
