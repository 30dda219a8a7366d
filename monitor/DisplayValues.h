#pragma once

#include <cstdint>
#include <string_view>

// Values that the window's settings blocks give at creation and that its code
// sets again later: each is named once here.
namespace display {

inline constexpr std::string_view kTitle = "QAX Tembrel - Waiting";
inline constexpr std::uint32_t kBackground = 0x6C8EFE;  // the window and the player page
inline constexpr std::uint32_t kLightOff = 0x360E0F;
inline constexpr std::uint32_t kLightOn = 0xFB2A32;
inline constexpr std::int64_t kCheckPeriodMs = 15000;

}  // namespace display
