#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

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
  // What ChooseLineEnd looks for.
  bool hasCrLf_ = false;
  bool hasLf_ = false;
  bool hasCr_ = false;
  // Where each empty line first begins.
  std::size_t firstLfLf_ = kNotFound;
  std::size_t firstCrLfCrLf_ = kNotFound;
  std::size_t firstCrCr_ = kNotFound;
};

}  // namespace fw
