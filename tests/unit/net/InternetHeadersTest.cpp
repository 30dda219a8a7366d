#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "net/InternetHeaders.h"

namespace {

using fw::InternetHeaders;
using namespace std::string_literals;
using Lines = std::vector<std::pair<std::string, std::string>>;

Lines LinesOf(const InternetHeaders& headers) {
  Lines lines;
  for (std::int64_t i = 0; i < headers.Count(); ++i) lines.emplace_back(headers.NameAt(i), headers.ValueAt(i));
  return lines;
}

TEST(InternetHeaders, SetHeaderReplacesAndNamesComeInKeyOrder) {
  InternetHeaders headers;
  headers.SetHeader("Host", "old:1");
  headers.SetHeader("Accept-Language", "en");
  headers.SetHeader("Accept", "*/*");
  headers.SetHeader("host", "h:8000");
  EXPECT_EQ(LinesOf(headers), (Lines{{"Accept", "*/*"}, {"Accept-Language", "en"}, {"host", "h:8000"}}));
  EXPECT_EQ(headers.Value("HOST"), "h:8000");
  EXPECT_EQ(headers.Value("Server"), "");
  EXPECT_EQ(headers.NameAt(3), "");
  EXPECT_EQ(headers.ValueAt(-1), "");
}

TEST(InternetHeaders, TakesReceivedLinesApart) {
  const std::pair<std::string, Lines> cases[] = {
      {"", {}},
      {"Server: x\r\nContent-Type: audio/mpeg", {{"Content-Type", "audio/mpeg"}, {"Server", "x"}}},
      {"A: 1\nB: 2", {{"A", "1"}, {"B", "2"}}},
      {"A: 1\rB: 2", {{"A", "1"}, {"B", "2"}}},
      {"A:\t spaced \t\r\nB:", {{"A", "spaced"}, {"B", ""}}},
      {"A: one\r\n  two\r\n\tthree", {{"A", "one two three"}}},
      {"no colon here\r\n leading continuation\r\nA: b", {{"A", "b"}}},
      {"Set-Cookie: a\r\nSet-Cookie: b", {{"Set-Cookie", "a"}, {"Set-Cookie", "b"}}},
      {"Url: http://h:80/", {{"Url", "http://h:80/"}}},
      {"X-\0: a\0b\r\nY: \xC3\xA9"s, {{"X-\0"s, "a\0b"s}, {"Y", "\xC3\xA9"}}},
  };
  for (const auto& [block, expected] : cases) EXPECT_EQ(LinesOf(InternetHeaders(block)), expected) << block;
}

}  // namespace
