#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The player page: one line of HTML whose audio element plays the live stream
// at "http://" + server + ":" + port + "/listen". The server text is copied
// as it stands.
std::string PlayerPage(std::string_view colorText, bool autoplay, std::string_view server, std::int64_t port);
