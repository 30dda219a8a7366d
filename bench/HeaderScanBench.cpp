// The answer handling alone, fed a header block that never ends one byte at
// a time: the scanner that looks only at new bytes, beside a whole-buffer
// re-parse (copies of all bytes held, then ParseResponseHead) after every
// byte, measured in the same run. CPU time of this thread.
#include <QByteArray>
#include <cstdlib>
#include <functional>
#include <string>

#include "Bench.h"
#include "net/HTTPSocket.h"
#include "net/ResponseHead.h"
#include "net/ResponseHeadScanner.h"

namespace {

// Header lines as a server that floods them sends, up to the client's bound.
std::string EndlessBlock(std::size_t bytes) {
  std::string block = "HTTP/1.0 200 OK\r\n";
  while (block.size() < bytes) block += "X-Filler: " + std::string(54, 'x') + "\r\n";
  block.resize(bytes);
  return block;
}

// Feeds `block` a byte at a time to `look`, which answers whether the block is complete.
double CpuMillisecondsFeeding(const std::string& block, const std::function<bool(const std::string&)>& look) {
  std::string held;
  const double start = bench::ThreadCpuMilliseconds();
  for (char byte : block) {
    held.push_back(byte);
    if (look(held)) std::abort();  // the block never ends
  }
  return bench::ThreadCpuMilliseconds() - start;
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t bytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : fw::HTTPSocket::kMaxHeaderBytes;
  const std::string block = EndlessBlock(bytes);

  fw::ResponseHeadScanner scanner;
  const double scanned =
      CpuMillisecondsFeeding(block, [&](const std::string& held) { return scanner.Scan(held).has_value(); });
  const double reparsed = CpuMillisecondsFeeding(block, [](const std::string& held) {
    // As a peek at all that the socket holds gave them: into a QByteArray, then into a std::string.
    const QByteArray peeked(held.data(), static_cast<qsizetype>(held.size()));
    return fw::ParseResponseHead(std::string(peeked.constData(), static_cast<std::size_t>(peeked.size()))).has_value();
  });

  bench::Note("%zu bytes: scanner %.2f ms (%zu bytes examined), whole-buffer re-parse %.1f ms", bytes, scanned,
              scanner.BytesExamined(), reparsed);
  bench::Row("Header scan, " + bench::Format("%zu KiB", bytes / 1024) + " byte by byte",
             bench::Format("%.1f ms CPU (re-parse %.0f ms)", scanned, reparsed),
             bench::Format("scanner: %.1f bytes examined per byte; re-parse: all held copied as a peek copies it, then "
                           "ParseResponseHead, after each byte; same run",
                           static_cast<double>(scanner.BytesExamined()) / static_cast<double>(bytes)));
  return 0;
}
