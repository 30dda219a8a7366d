#include <gtest/gtest.h>

#include <string>

#include "Bytes.h"
#include "runtime/ClassInfo.h"
#include "runtime/Exceptions.h"
#include "runtime/Settings.h"

namespace {

using namespace fw;
namespace s = fw::settings;

// A class with one property of each declared type, to apply blocks to.
class Sample : public Object {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override { return Description(); }

  void SetIndex(std::int64_t v) { index = v; }
  void SetMultiLine(bool v) { multiLine = v; }
  void SetHelpTag(std::string v) { helpTag = std::move(v); }
  void SetBackColor(Color v) { backColor = v; }
  void SetTextSize(float v) { textSize = v; }
  void SetTextUnit(FontUnits v) { textUnit = v; }

  std::int64_t index = 0;
  bool multiLine = true;
  std::string helpTag = "unset";
  Color backColor{};
  float textSize = -1;
  FontUnits textUnit = FontUnits::Point;
};

constexpr PropertyInfo kSampleProperties[] = {
    Property<&Sample::SetIndex>("Index"),       Property<&Sample::SetMultiLine>("MultiLine"),
    Property<&Sample::SetHelpTag>("HelpTag"),   Property<&Sample::SetBackColor>("BackColor"),
    Property<&Sample::SetTextSize>("TextSize"), Property<&Sample::SetTextUnit>("TextUnit"),
    Field("ReadOnly", PropertyType::Integer),
};

const ClassInfo& Sample::Description() {
  static const ClassInfo info{.name = "Sample", .base = &Object::Description(), .properties = kSampleProperties};
  return info;
}

using tembrel::test::Bytes;

struct EncodingCase {
  const char* what;
  s::Entry entry;
  std::string expected;
};

TEST(SettingsBlock, EncodesEachTypeInItsWidth) {
  const EncodingCase cases[] = {
      {"Index -2^31 in eight bytes", s::Integer("Index", -2147483648LL),
       "Index " + Bytes({0x00, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0xFF})},
      {"colour as blue green red 0", s::Color("BackColor", 0x6C8EFE), "BackColor " + Bytes({0xFE, 0x8E, 0x6C, 0x00})},
      {"Single 18.0", s::Single("TextSize", 18.0f), "TextSize " + Bytes({0x00, 0x00, 0x90, 0x41})},
      {"empty string is four zero bytes", s::String("HelpTag", ""), "HelpTag " + Bytes({0, 0, 0, 0})},
      {"string with length prefix", s::String("HelpTag", "ab"), "HelpTag " + Bytes({2, 0, 0, 0, 'a', 'b'})},
      {"Boolean True", s::Boolean("MultiLine", true), "MultiLine " + Bytes({1})},
      {"font units one byte", s::Units("TextUnit", FontUnits::Default), "TextUnit " + Bytes({0})},
  };
  for (const auto& c : cases) EXPECT_EQ(c.entry.bytes, c.expected) << c.what;
}

TEST(SettingsBlock, TimerBlockIsTwentyEightBytes) {
  std::string block = s::Block({s::Integer("Mode", 0), s::Integer("Period", 15000)});
  EXPECT_EQ(block, "Mode " + Bytes({0, 0, 0, 0, 0, 0, 0, 0}) + "Period " + Bytes({0x98, 0x3A, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(block.size(), 28u);
}

TEST(SettingsBlock, AppliesEveryEntryMatchingNamesWithoutCase) {
  Sample sample;
  _SetProperties(sample, s::Block({
                             s::Integer("INDEX", -2147483648LL),
                             s::Boolean("Multiline", false),
                             s::String("helptag", ""),
                             s::Color("BackColor", 0x6C8EFE),
                             s::Single("TextSize", 18.0f),
                             s::Units("TextUnit", FontUnits::Default),
                         }));
  EXPECT_EQ(sample.index, -2147483648LL);
  EXPECT_FALSE(sample.multiLine);
  EXPECT_EQ(sample.helpTag, "");
  EXPECT_EQ(sample.backColor, Color{0x6C8EFE});
  EXPECT_EQ(sample.textSize, 18.0f);
  EXPECT_EQ(sample.textUnit, FontUnits::Default);
}

TEST(SettingsBlock, MalformedBlocksRaiseAndChangeNothing) {
  const std::string good = s::Block({s::Integer("Index", 7)});
  const struct {
    const char* what;
    std::string block;
  } cases[] = {
      {"unknown name", good + s::Block({s::Integer("Nonesuch", 1)})},
      {"property no block may set", good + s::Block({s::Integer("ReadOnly", 1)})},
      {"integer cut short", good + "Index " + Bytes({1, 2, 3})},
      {"string longer than the block", good + "HelpTag " + Bytes({9, 0, 0, 0, 'x'})},
      {"string length itself cut short", good + "HelpTag " + Bytes({9, 0})},
      {"name without a blank", good + "Index"},
      {"blank without a name", good + " " + Bytes({0})},
  };
  for (const auto& c : cases) {
    Sample sample;
    EXPECT_THROW(_SetProperties(sample, c.block), RuntimeException) << c.what;
    EXPECT_EQ(sample.index, 0) << c.what;
  }
}

TEST(SettingsBlock, EmptyBlockSetsNothing) {
  Sample sample;
  _SetProperties(sample, "");
  EXPECT_EQ(sample.helpTag, "unset");
}

}  // namespace
