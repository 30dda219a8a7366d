#pragma once

#include <cstdint>

namespace fw {

// A 24-bit RGB colour, written 0xRRGGBB.
struct Color {
  std::uint32_t rgb = 0;

  constexpr std::uint8_t Red() const { return (rgb >> 16) & 0xFF; }
  constexpr std::uint8_t Green() const { return (rgb >> 8) & 0xFF; }
  constexpr std::uint8_t Blue() const { return rgb & 0xFF; }
  friend constexpr bool operator==(Color, Color) = default;
};

}  // namespace fw
