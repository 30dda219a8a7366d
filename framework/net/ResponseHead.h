#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace fw {

// Where an HTTP answer's header block ends in the bytes received so far, and
// its status. The views point into the bytes that were parsed.
struct ResponseHead {
  std::size_t blockLength = 0;       // the header block: everything before the empty line
  std::size_t terminatorLength = 0;  // the pair of line ends after the block
  std::string_view statusLine;       // the block's first line, without its line end
  std::string_view headerLines;      // the rest of the block after that line end
  std::int64_t status = 0;           // the status line's second field through ValToInteger

  // Alike when the lengths, the status and the text of both lines are.
  bool operator==(const ResponseHead&) const = default;
};

// The empty lines that can end a header block. The doubled line end of the
// data's own kind is looked for first, then each of these in this order: the
// first one found decides, not the earliest position.
inline constexpr std::string_view kEmptyLines[] = {"\n\n", "\r\n\r\n", "\r\r"};
// The index in kEmptyLines of `lineEnd` doubled.
std::size_t EmptyLineIndex(std::string_view lineEnd);

// Looks at `data` without keeping anything of it: nullopt while the header
// block is incomplete. Works on bytes and lengths only, so NUL and non-ASCII
// bytes are ordinary data.
std::optional<ResponseHead> ParseResponseHead(std::string_view data);

// The head of `data` whose header block is its first `blockLength` bytes,
// followed by an empty line of `terminatorLength` bytes.
ResponseHead ResponseHeadAt(std::string_view data, std::size_t blockLength, std::size_t terminatorLength);

}  // namespace fw
