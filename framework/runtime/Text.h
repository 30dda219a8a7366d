#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "Color.h"

namespace fw {

// A value of any of the runtime's plain types, as Str turns it into text.
using Variant = std::variant<std::int64_t, double, bool, std::string, Color>;

Variant ColorToVariant(Color color);
inline Variant ColorToVariant(std::uint32_t rgb) { return ColorToVariant(Color{rgb}); }

// Text of a value; the format is ignored when empty. An integer is decimal; a
// colour is "&h00RRGGBB" in upper-case hexadecimal.
std::string Str(const Variant& value, std::string_view format = {});
inline std::string Str(std::int64_t value, std::string_view format = {}) { return Str(Variant(value), format); }

// The number at the start of `text` (leading blanks skipped; decimal with an
// optional sign, fraction and exponent, or "&h" hexadecimal); 0 when none.
double Val(std::string_view text);
// Val truncated toward zero, held to the 64-bit range (NaN gives 0).
std::int64_t ValToInteger(std::string_view text);

// The last `n` characters of `text` (UTF-8 aware), all of it when shorter.
std::string Right(std::string_view text, std::int64_t n);

}  // namespace fw
