#include "Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace fw {

Variant ColorToVariant(Color color) { return Variant(color); }

std::string Str(const Variant& value, std::string_view format) {
  (void)format;  // formats other than the empty one are not used by the system
  struct Visitor {
    std::string operator()(std::int64_t v) const { return std::to_string(v); }
    std::string operator()(double v) const {
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%.15g", v);
      return buffer;
    }
    std::string operator()(bool v) const { return v ? "True" : "False"; }
    std::string operator()(const std::string& v) const { return v; }
    std::string operator()(Color c) const {
      char buffer[16];
      std::snprintf(buffer, sizeof buffer, "&h00%02X%02X%02X", c.Red(), c.Green(), c.Blue());
      return buffer;
    }
  };
  return std::visit(Visitor{}, value);
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// Whether a decimal number that no double can hold ("1e400", "1e-400") is
// too large rather than too small: where its first significant digit stands,
// moved by the exponent.
bool AboveOne(std::string_view number) {
  const std::size_t point = std::min(number.find_first_of(".eE"), number.size());
  const std::size_t exponentAt = std::min(number.find_first_of("eE"), number.size());
  const std::size_t first = number.find_first_of("123456789");
  if (first == std::string_view::npos || first >= exponentAt) return false;
  std::int64_t magnitude =
      first < point ? static_cast<std::int64_t>(point - first) - 1 : -static_cast<std::int64_t>(first - point);
  std::int64_t exponent = 0;
  std::size_t i = exponentAt + 1;
  const bool negative = i < number.size() && number[i] == '-';
  if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
  for (; i < number.size(); ++i) exponent = std::min<std::int64_t>(exponent * 10 + (number[i] - '0'), 1'000'000);
  return magnitude + (negative ? -exponent : exponent) >= 0;
}

}  // namespace

double Val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (text.size() - i >= 2 && text[i] == '&' && (text[i + 1] == 'h' || text[i + 1] == 'H')) {
    double value = 0;
    for (i += 2; i < text.size() && HexDigit(text[i]) >= 0; ++i) value = value * 16 + HexDigit(text[i]);
    return value;
  }
  double sign = 1;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) sign = text[i++] == '-' ? -1 : 1;
  const std::size_t begin = i;
  const std::size_t integerEnd = SkipDigits(text, begin);
  const bool point = integerEnd < text.size() && text[integerEnd] == '.';
  std::size_t end = point ? SkipDigits(text, integerEnd + 1) : integerEnd;
  if (end - begin == (point ? 1u : 0u)) return 0;  // no digit at all
  // An exponent counts only with at least one digit of its own.
  std::size_t digitsAt = end + 1;
  if (digitsAt < text.size() && (text[digitsAt] == '+' || text[digitsAt] == '-')) ++digitsAt;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E') && digitsAt < text.size() &&
      IsDigit(text[digitsAt])) {
    end = SkipDigits(text, digitsAt);
  }
  // from_chars rounds to the nearest double and reads a range: the text need not end in a NUL.
  double value = 0;
  if (std::from_chars(text.data() + begin, text.data() + end, value).ec == std::errc::result_out_of_range) {
    value = AboveOne(text.substr(begin, end - begin)) ? HUGE_VAL : 0;
  }
  return sign * value;
}

std::int64_t ValToInteger(std::string_view text) {
  double value = std::trunc(Val(text));
  if (std::isnan(value)) return 0;
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  if (value >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (value < -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(value);
}

std::string Right(std::string_view text, std::int64_t n) {
  if (n <= 0) return {};
  std::size_t start = text.size();
  std::int64_t taken = 0;
  while (start > 0 && taken < n) {
    --start;
    // Step back over UTF-8 continuation bytes to the start of the character.
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
    ++taken;
  }
  return std::string(text.substr(start));
}

}  // namespace fw
