// libFuzzer entry for the answer handling: any bytes in, and the result must
// describe the input it was given: which line end ends the header block, where
// the block ends, how it splits into lines, and the status it carries; and
// the scanner that gets the input byte by byte must answer like the parser
// at every step.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/LineEnd.h"
#include "net/ResponseHead.h"
#include "net/ResponseHeadScanner.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool Contains(std::string_view data, std::string_view pattern) { return data.find(pattern) != std::string_view::npos; }

// The empty line that ends the block: the doubled line end of the data's own
// kind when the data holds it, else the first kind in this order that it holds.
std::string ExpectedTerminator(std::string_view data) {
  const std::string lineEnd(fw::ChooseLineEnd(data));
  if (Contains(data, lineEnd + lineEnd)) return lineEnd + lineEnd;
  for (const char* t : {"\n\n", "\r\n\r\n", "\r\r"}) {
    if (Contains(data, t)) return t;
  }
  return {};
}

// The status line's second field, when it is plain decimal digits that a double
// holds exactly: the status must be their value. A field that cannot begin a
// number must give 0.
void RequireStatus(std::string_view statusLine, std::int64_t status) {
  const std::size_t first = statusLine.find(' ');
  if (first == std::string_view::npos) {
    Require(status == 0);
    return;
  }
  const std::string_view rest = statusLine.substr(first + 1);
  const std::string_view field = rest.substr(0, rest.find(' '));
  if (!field.empty() && field.size() <= 15 && field.find_first_not_of("0123456789") == std::string_view::npos) {
    Require(status == std::stoll(std::string(field)));
  } else if (field.empty() || field.find_first_of("0123456789+-.&\t") != 0) {
    Require(status == 0);
  }
}

void RequireScannerLikeParser(std::string_view data) {
  fw::ResponseHeadScanner scanner;
  for (std::size_t n = 1; n <= data.size(); ++n) {
    const std::string_view prefix = data.substr(0, n);
    Require(scanner.Scan(prefix) == fw::ParseResponseHead(prefix));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view data(reinterpret_cast<const char*>(bytes), size);
  RequireScannerLikeParser(data);
  const auto head = fw::ParseResponseHead(data);
  const std::string terminator = ExpectedTerminator(data);
  if (!head) {
    Require(terminator.empty());
    return 0;
  }
  // The block ends at the first occurrence of the chosen empty line.
  Require(!terminator.empty() && head->terminatorLength == terminator.size());
  Require(head->blockLength == data.find(terminator));
  Require(head->blockLength + head->terminatorLength <= size);

  // The status line is the block up to its first line end, the header lines all after that line end.
  const std::string_view block = data.substr(0, head->blockLength);
  const std::string_view lineEnd = fw::ChooseLineEnd(block);
  const std::size_t firstEnd = block.find(lineEnd);
  Require(head->statusLine == block.substr(0, firstEnd));
  Require(head->statusLine.data() == block.data());
  if (firstEnd == std::string_view::npos) {
    Require(head->headerLines.empty());
  } else {
    Require(head->headerLines == block.substr(firstEnd + lineEnd.size()));
    Require(head->headerLines.data() + head->headerLines.size() == block.data() + block.size());
  }
  RequireStatus(head->statusLine, head->status);
  return 0;
}
