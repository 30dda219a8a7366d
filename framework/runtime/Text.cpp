#include "Text.h"

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

}  // namespace

double Val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (text.size() - i >= 2 && text[i] == '&' && (text[i + 1] == 'h' || text[i + 1] == 'H')) {
    double value = 0;
    for (i += 2; i < text.size() && HexDigit(text[i]) >= 0; ++i) value = value * 16 + HexDigit(text[i]);
    return value;
  }
  // Parse by hand over bytes and lengths: the text need not end in a NUL.
  double sign = 1;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) sign = text[i++] == '-' ? -1 : 1;
  double value = 0;
  bool digits = false;
  for (; i < text.size() && IsDigit(text[i]); ++i, digits = true) value = value * 10 + (text[i] - '0');
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && IsDigit(text[i]); ++i, scale /= 10, digits = true) {
      value += (text[i] - '0') * scale;
    }
  }
  if (digits && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    int expSign = 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) expSign = text[j++] == '-' ? -1 : 1;
    if (j < text.size() && IsDigit(text[j])) {
      int exponent = 0;
      for (; j < text.size() && IsDigit(text[j]); ++j) exponent = std::min(exponent * 10 + (text[j] - '0'), 9999);
      value *= std::pow(10.0, expSign * exponent);
    }
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
