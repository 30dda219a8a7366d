#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "runtime/Text.h"

namespace {

using namespace fw;

TEST(Text, ValReadsTheLeadingNumberAsTheNearestDouble) {
  // clang-format off
  const struct {
    std::string text;
    double value;
  } cases[] = {
      {"200", 200},       {"200.5", 200.5},  {"  42 OK", 42}, {"-7", -7},   {"+3", 3},
      {"1e3", 1000},      {"12abc", 12},     {"abc", 0},      {"", 0},      {".5", 0.5},
      {"&h1F", 31},       {"1e", 1},         {"-", 0},        {std::string("20\0" "0", 4), 20},
      {"0.3", 0.3},       {"1.15", 1.15},    {"0.000001", 0.000001},        {"-2.675e-3x", -2.675e-3},
      {"5.", 5},          {".", 0},          {"1e+", 1},      {"\t9007199254740993", 9007199254740992.0},
      {"123456789012345678901234567890", 123456789012345678901234567890.0},
      {"1e-400", 0},      {"-1e400", -HUGE_VAL},              {"0.0001e400", HUGE_VAL},
      {"12345e-320", 12345e-320},                             {"100000e-400", 0},
  };
  // clang-format on
  // Exactly the nearest double: no tolerance.
  for (const auto& c : cases) EXPECT_EQ(Val(c.text), c.value) << c.text;
}

TEST(Text, ValToIntegerTruncatesTowardZeroAndHoldsTheRange) {
  EXPECT_EQ(ValToInteger("200.9"), 200);
  EXPECT_EQ(ValToInteger("-3.7"), -3);
  EXPECT_EQ(ValToInteger("99999999999999999999999"), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(ValToInteger("-1e400"), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(ValToInteger("1e99999999"), std::numeric_limits<std::int64_t>::max());
}

TEST(Text, StrAndRight) {
  EXPECT_EQ(Str(std::int64_t{8000}, ""), "8000");
  EXPECT_EQ(Str(std::int64_t{-12}), "-12");
  EXPECT_EQ(Str(ColorToVariant(0x6C8EFE), ""), "&h006C8EFE");
  EXPECT_EQ(Right(Str(ColorToVariant(0x6C8EFE), ""), 6), "6C8EFE");
  EXPECT_EQ(Right("abc", 5), "abc");
  EXPECT_EQ(Right("abc", 0), "");
  EXPECT_EQ(Right("h\xC3\xA9llo\xC3\xA9", 2), "o\xC3\xA9") << "characters, not bytes";
}

}  // namespace
