#include "ResponseHeadScanner.h"

#include <utility>

namespace fw {

std::optional<ResponseHead> ResponseHeadScanner::Scan(std::string_view data) {
  for (; scanned_ < data.size(); ++scanned_) Examine(data, scanned_);
  // The same order as ParseResponseHead: the doubled line end of the data's own
  // kind first, then each kind in a fixed order; the first one found decides.
  const std::pair<std::size_t, std::size_t> ownKind = hasCrLf_ ? std::pair{firstCrLfCrLf_, std::size_t{4}}
                                                      : hasLf_ ? std::pair{firstLfLf_, std::size_t{2}}
                                                      : hasCr_ ? std::pair{firstCrCr_, std::size_t{2}}
                                                               : std::pair{firstCrLfCrLf_, std::size_t{4}};
  const std::pair<std::size_t, std::size_t> order[] = {ownKind, {firstLfLf_, 2}, {firstCrLfCrLf_, 4}, {firstCrCr_, 2}};
  for (const auto& [at, length] : order) {
    if (at != kNotFound) return ResponseHeadAt(data, at, length);
  }
  return std::nullopt;
}

// Notes what the byte at `at` ends: a line end, or an empty line that begins up to three bytes before it.
void ResponseHeadScanner::Examine(std::string_view data, std::size_t at) {
  auto byteAt = [&](std::size_t back) {
    ++examined_;
    return at >= back ? data[at - back] : '\0';
  };
  auto noteFirst = [](std::size_t& first, std::size_t begin) {
    if (first == kNotFound) first = begin;
  };
  const char c = byteAt(0);
  if (c != '\n' && c != '\r') return;
  const char before = byteAt(1);
  if (c == '\r') {
    hasCr_ = true;
    if (before == '\r') noteFirst(firstCrCr_, at - 1);
    return;
  }
  hasLf_ = true;
  if (before == '\n') noteFirst(firstLfLf_, at - 1);
  if (before != '\r') return;
  hasCrLf_ = true;
  if (byteAt(2) == '\n' && byteAt(3) == '\r') noteFirst(firstCrLfCrLf_, at - 3);
}

}  // namespace fw
