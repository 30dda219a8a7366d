#pragma once

#include <array>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "LineEnd.h"
#include "ResponseHead.h"

namespace fw {

// ParseResponseHead for bytes that arrive piece by piece. Each Scan takes all
// that has arrived so far, the previous call's data with more appended, and
// looks only at the new bytes and the three before them (an empty line spans
// at most four bytes), so feeding a block one byte at a time costs time in
// proportion to its length. Scan(data) gives what ParseResponseHead(data) gives.
class ResponseHeadScanner {
 public:
  std::optional<ResponseHead> Scan(std::string_view data);

  // How many bytes all calls so far have looked at.
  std::size_t BytesExamined() const { return examined_; }

 private:
  static constexpr std::size_t kNotFound = std::string_view::npos;

  void Examine(std::string_view data, std::size_t at);

  std::size_t scanned_ = 0;
  std::size_t examined_ = 0;
  LineEndsSeen seen_{};
  // Where each of kEmptyLines first begins.
  std::array<std::size_t, std::size(kEmptyLines)> firstEmptyLine_{kNotFound, kNotFound, kNotFound};
};

}  // namespace fw
