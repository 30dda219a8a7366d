#include "ResponseHeadScanner.h"

namespace fw {

namespace {

constexpr std::size_t kLfLf = 0, kCrLfCrLf = 1, kCrCr = 2;  // indices in kEmptyLines
static_assert(kEmptyLines[kLfLf] == "\n\n" && kEmptyLines[kCrLfCrLf] == "\r\n\r\n" && kEmptyLines[kCrCr] == "\r\r");

}  // namespace

std::optional<ResponseHead> ResponseHeadScanner::Scan(std::string_view data) {
  for (; scanned_ < data.size(); ++scanned_) Examine(data, scanned_);
  // The order of ParseResponseHead: the data's own kind first, then each in turn.
  const std::size_t own = EmptyLineIndex(ChooseLineEnd(seen_));
  for (std::size_t i : {own, kLfLf, kCrLfCrLf, kCrCr}) {
    if (firstEmptyLine_[i] != kNotFound) return ResponseHeadAt(data, firstEmptyLine_[i], kEmptyLines[i].size());
  }
  return std::nullopt;
}

// Notes what the byte at `at` ends: a line end, or an empty line that begins up to three bytes before it.
void ResponseHeadScanner::Examine(std::string_view data, std::size_t at) {
  auto byteAt = [&](std::size_t back) {
    ++examined_;
    return at >= back ? data[at - back] : '\0';
  };
  auto noteFirst = [&](std::size_t emptyLine, std::size_t begin) {
    if (firstEmptyLine_[emptyLine] == kNotFound) firstEmptyLine_[emptyLine] = begin;
  };
  const char c = byteAt(0);
  if (c != '\n' && c != '\r') return;
  const char before = byteAt(1);
  if (c == '\r') {
    seen_.cr = true;
    if (before == '\r') noteFirst(kCrCr, at - 1);
    return;
  }
  seen_.lf = true;
  if (before == '\n') noteFirst(kLfLf, at - 1);
  if (before != '\r') return;
  seen_.crLf = true;
  if (byteAt(2) == '\n' && byteAt(3) == '\r') noteFirst(kCrLfCrLf, at - 3);
}

}  // namespace fw
