#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>

#include "net/ResponseHead.h"
#include "net/ResponseHeadScanner.h"

namespace fw {

// A failed comparison shows the heads as text.
void PrintTo(const ResponseHead& head, std::ostream* out) {
  *out << "block " << head.blockLength << " + " << head.terminatorLength << ", status line "
       << ::testing::PrintToString(std::string(head.statusLine)) << ", header lines "
       << ::testing::PrintToString(std::string(head.headerLines)) << ", status " << head.status;
}

}  // namespace fw

namespace {

using fw::ParseResponseHead;
using fw::ResponseHeadScanner;
using namespace std::string_literals;

// Feeds `data` in pieces of `piece` bytes (the last may be shorter) and
// compares each answer with a parse of everything received so far.
void ExpectLikeTheParserWhenFedInPieces(const std::string& data, std::size_t piece) {
  ResponseHeadScanner scanner;
  std::string received;
  for (std::size_t at = 0; at < data.size(); at += piece) {
    received += data.substr(at, piece);
    EXPECT_EQ(scanner.Scan(received), ParseResponseHead(received)) << "after " << ::testing::PrintToString(received);
    if (::testing::Test::HasFailure()) return;
  }
}

TEST(ResponseHeadScanner, AnswersLikeTheParserForEveryLineEndMixFedByteByByte) {
  // Every string of ten bytes from CR, LF and a letter: each mix of line ends,
  // each place of an empty line, and every prefix of them on the way.
  constexpr char kAlphabet[] = {'\r', '\n', 'x'};
  constexpr std::size_t kLength = 10;
  std::size_t combinations = 1;
  for (std::size_t i = 0; i < kLength; ++i) combinations *= std::size(kAlphabet);
  for (std::size_t n = 0; n < combinations; ++n) {
    std::string data;
    for (std::size_t rest = n; data.size() < kLength; rest /= std::size(kAlphabet)) {
      data.push_back(kAlphabet[rest % std::size(kAlphabet)]);
    }
    ExpectLikeTheParserWhenFedInPieces(data, 1);
    if (HasFailure()) return;
  }
}

TEST(ResponseHeadScanner, AnswersLikeTheParserForAnswersFedInPiecesOfEverySize) {
  std::mt19937 random(8);
  const std::string pieces[] = {"HTTP/1.0 ", "200", " OK", "\r\n", "\n", "\r", "Server: x", "\0"s, "\xFF", " 404"};
  for (int n = 0; n < 2000; ++n) {
    std::string data;
    const int count = static_cast<int>(random() % 24);
    for (int i = 0; i < count; ++i) data += pieces[random() % std::size(pieces)];
    for (std::size_t piece : {1, 2, 3, 5, 64}) {
      ExpectLikeTheParserWhenFedInPieces(data, piece);
      if (HasFailure()) return;
    }
  }
}

TEST(ResponseHeadScanner, LooksAtEachByteOfABlockFedByteByByteAFewTimesOnly) {
  constexpr std::size_t kBlockBytes = 64 * 1024;
  // The most any byte is looked at: itself and the three before a line end.
  constexpr std::size_t kMostPerByte = 4;
  const struct {
    const char* what;
    std::string line;
  } cases[] = {
      {"CR LF lines", "X-Filler: abc\r\n"}, {"LF lines", "X-Filler: abc\n"}, {"CR lines", "X-Filler: abc\r"},
      {"lines of one byte", "x\r\n"},       {"no line end", "abcdefgh"},
  };
  for (const auto& c : cases) {
    std::string block = "HTTP/1.0 200 OK\r\n";
    while (block.size() < kBlockBytes) block += c.line;
    ResponseHeadScanner scanner;
    std::string received;
    for (char byte : block) {
      received.push_back(byte);
      if (scanner.Scan(received)) break;
    }
    EXPECT_LE(scanner.BytesExamined(), kMostPerByte * received.size()) << c.what;
  }
}

}  // namespace
