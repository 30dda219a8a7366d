#include "ResponseHead.h"

#include <algorithm>
#include <iterator>

#include "../runtime/Text.h"
#include "LineEnd.h"

namespace fw {

namespace {

// The text between the first and the second blank; to the end when there is
// only one blank, empty when there is none.
std::string_view SecondField(std::string_view line) {
  const std::size_t first = line.find(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t second = line.find(' ', first + 1);
  return line.substr(first + 1, second == std::string_view::npos ? std::string_view::npos : second - first - 1);
}

}  // namespace

std::size_t EmptyLineIndex(std::string_view lineEnd) {
  auto isDoubled = [&](std::string_view emptyLine) {
    return emptyLine.size() == 2 * lineEnd.size() && emptyLine.starts_with(lineEnd) && emptyLine.ends_with(lineEnd);
  };
  return static_cast<std::size_t>(std::find_if(std::begin(kEmptyLines), std::end(kEmptyLines), isDoubled) -
                                  std::begin(kEmptyLines));
}

std::optional<ResponseHead> ParseResponseHead(std::string_view data) {
  const std::string_view own = kEmptyLines[EmptyLineIndex(ChooseLineEnd(data))];
  for (std::string_view terminator : {own, kEmptyLines[0], kEmptyLines[1], kEmptyLines[2]}) {
    const std::size_t at = data.find(terminator);
    if (at != std::string_view::npos) return ResponseHeadAt(data, at, terminator.size());
  }
  return std::nullopt;
}

ResponseHead ResponseHeadAt(std::string_view data, std::size_t blockLength, std::size_t terminatorLength) {
  const std::string_view block = data.substr(0, blockLength);
  const std::string_view blockLineEnd = ChooseLineEnd(block);
  const std::size_t lineEndAt = block.find(blockLineEnd);
  ResponseHead head;
  head.blockLength = blockLength;
  head.terminatorLength = terminatorLength;
  head.statusLine = block.substr(0, lineEndAt);
  head.headerLines =
      lineEndAt == std::string_view::npos ? block.substr(block.size()) : block.substr(lineEndAt + blockLineEnd.size());
  head.status = ValToInteger(SecondField(head.statusLine));
  return head;
}

}  // namespace fw
