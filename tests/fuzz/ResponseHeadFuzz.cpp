// libFuzzer entry for the answer handling: any bytes in, and the result must
// describe the input it was given.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "framework/net/LineEnd.h"
#include "framework/net/ResponseHead.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsTerminator(std::string_view t) { return t == "\r\n\r\n" || t == "\n\n" || t == "\r\r"; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view data(reinterpret_cast<const char*>(bytes), size);
  const auto head = fw::ParseResponseHead(data);
  if (!head) {
    Require(data.find("\n\n") == std::string_view::npos && data.find("\r\r") == std::string_view::npos &&
            data.find("\r\n\r\n") == std::string_view::npos);
    return 0;
  }
  Require(head->blockLength + head->terminatorLength <= size);
  Require(IsTerminator(data.substr(head->blockLength, head->terminatorLength)));
  const std::string_view block = data.substr(0, head->blockLength);
  Require(head->statusLine.data() == block.data() && head->statusLine.size() <= block.size());
  Require(head->headerLines.data() + head->headerLines.size() == block.data() + block.size());
  Require(head->statusLine.find(fw::ChooseLineEnd(block)) == std::string_view::npos);
  return 0;
}
