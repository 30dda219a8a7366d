#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "net/ResponseHead.h"

namespace {

using fw::ParseResponseHead;
using namespace std::string_literals;

struct CompleteCase {
  const char* what;
  std::string data;
  std::string block;
  std::string terminator;
  std::string statusLine;
  std::string headerLines;
  std::int64_t status;
};

// Each case ends with body bytes after its empty line, which the result must not take in.
const CompleteCase kComplete[] = {
    {"CR LF CR LF", "HTTP/1.0 200 OK\r\nServer: x\r\n\r\nbody", "HTTP/1.0 200 OK\r\nServer: x", "\r\n\r\n",
     "HTTP/1.0 200 OK", "Server: x", 200},
    {"LF LF", "HTTP/1.0 200 OK\nServer: x\n\nbody", "HTTP/1.0 200 OK\nServer: x", "\n\n", "HTTP/1.0 200 OK",
     "Server: x", 200},
    {"CR CR", "HTTP/1.0 200 OK\rServer: x\r\rbody", "HTTP/1.0 200 OK\rServer: x", "\r\r", "HTTP/1.0 200 OK",
     "Server: x", 200},
    {"status line alone", "ICY 200 OK\r\n\r\nbody", "ICY 200 OK", "\r\n\r\n", "ICY 200 OK", "", 200},
    {"empty block", "\r\n\r\nbody", "", "\r\n\r\n", "", "", 0},
    {"CR LF lines ended by LF LF", "HTTP/1.0 404 Not Found\r\nA: b\n\nbody", "HTTP/1.0 404 Not Found\r\nA: b", "\n\n",
     "HTTP/1.0 404 Not Found", "A: b", 404},
    {"CR LF and a bare LF: the block keeps the CR", "HTTP/1.0 401 No\r\n\nbody", "HTTP/1.0 401 No\r", "\n\n",
     "HTTP/1.0 401 No", "", 401},
    {"CR LF lines ended by CR CR", "HTTP/1.0 407 P\r\nA: b\r\rbody", "HTTP/1.0 407 P\r\nA: b", "\r\r", "HTTP/1.0 407 P",
     "A: b", 407},
    {"LF lines ended by CR CR", "X 201 a\nB: c\r\rbody", "X 201 a\nB: c", "\r\r", "X 201 a", "B: c", 201},
    {"NUL and non-ASCII bytes are data", "HTTP/1.0 200\0\xC3\x96k\r\nX-\0: \xFF\r\n\r\nbody"s,
     "HTTP/1.0 200\0\xC3\x96k\r\nX-\0: \xFF"s, "\r\n\r\n", "HTTP/1.0 200\0\xC3\x96k"s, "X-\0: \xFF"s, 200},
};

void ExpectHead(const CompleteCase& c, std::string_view data, const std::string& where) {
  auto head = ParseResponseHead(data);
  ASSERT_TRUE(head.has_value()) << where;
  EXPECT_EQ(data.substr(0, head->blockLength), c.block) << where;
  EXPECT_EQ(data.substr(head->blockLength, head->terminatorLength), c.terminator) << where;
  EXPECT_EQ(head->statusLine, c.statusLine) << where;
  EXPECT_EQ(head->headerLines, c.headerLines) << where;
  EXPECT_EQ(head->status, c.status) << where;
}

TEST(ResponseHead, FindsTheEndOfTheBlockAndItsFirstLine) {
  for (const auto& c : kComplete) ExpectHead(c, c.data, c.what);
}

TEST(ResponseHead, EveryShorterPrefixIsIncompleteAndEveryLongerOneTheSame) {
  for (const auto& c : kComplete) {
    const std::size_t end = c.block.size() + c.terminator.size();
    for (std::size_t n = 0; n <= c.data.size(); ++n) {
      const std::string where = std::string(c.what) + ", first " + std::to_string(n) + " bytes";
      const std::string_view prefix = std::string_view(c.data).substr(0, n);
      if (n < end) {
        EXPECT_FALSE(ParseResponseHead(prefix).has_value()) << where;
      } else {
        ExpectHead(c, prefix, where);
      }
    }
  }
}

TEST(ResponseHead, TheDoubledLineEndOfTheDataIsSoughtFirst) {
  // CR LF occurs, so CR LF CR LF decides although LF LF comes earlier.
  auto head = ParseResponseHead("X 199 a\n\nB\r\n\r\nbody");
  ASSERT_TRUE(head.has_value());
  EXPECT_EQ(head->blockLength, 10u);
  EXPECT_EQ(head->statusLine, "X 199 a");
  EXPECT_EQ(head->status, 199);
}

TEST(ResponseHead, IncompleteWithoutAnEmptyLine) {
  const std::string cases[] = {
      "",         "HTTP/1.0 200 OK", "HTTP/1.0 200 OK\r\n", "HTTP/1.0 200 OK\r\nA: b\r\n\r", "A\r\nB\nC\rD\r\n",
      "\n\r\n\r", "\0\0\0\0"s};
  for (const auto& data : cases) EXPECT_FALSE(ParseResponseHead(data).has_value()) << data;
}

TEST(ResponseHead, StatusIsTheSecondFieldThroughVal) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  const std::pair<std::string, std::int64_t> cases[] = {
      {"HTTP/1.0 200 OK", 200},
      {"ICY 200 OK", 200},
      {"HTTP/1.1 200.5 x", 200},
      {"HTTP/1.1 199 x", 199},
      {"HTTP/1.1 201 x", 201},
      {"HTTP/1.1 404", 404},
      {"HTTP/1.1 401 Unauthorized", 401},
      {"HTTP/1.1 407 Proxy Authentication Required", 407},
      {"HTTP/1.1 -200.9 x", -200},
      {"200", 0},
      {"HTTP/1.0", 0},
      {"HTTP/1.0  200 OK", 0},
      {"HTTP/1.0 OK 200", 0},
      {"HTTP/1.0 2e2 x", 200},
      {"HTTP/1.0 99999999999999999999999 x", kMax},
      {"HTTP/1.0 -99999999999999999999999 x", kMin},
      {"HTTP/1.0 1e400 x", kMax},
      {"HTTP/1.0 200\tOK", 200},
      {"HTTP/1.0 \xFF\xFE 200", 0},
  };
  for (const auto& [line, status] : cases) {
    auto head = ParseResponseHead(line + "\r\n\r\n");
    ASSERT_TRUE(head.has_value()) << line;
    EXPECT_EQ(head->status, status) << line;
  }
}

}  // namespace
