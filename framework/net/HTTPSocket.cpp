#include "HTTPSocket.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "../runtime/FlagScope.h"
#include "../runtime/Text.h"
#include "InternetHeaders.h"
#include "ResponseHead.h"

namespace fw {

namespace {

constexpr MethodInfo kMethods[] = {
    {"Constructor", "(  )"},
    {"Get", "( String )"},
};

// Line breaks inside a request line or a header would start lines of their own.
std::string OneLine(std::string_view text) {
  std::string line;
  for (char c : text) {
    if (c != '\r' && c != '\n') line.push_back(c);
  }
  return line;
}

std::string BuildRequest(std::string_view method, std::string_view path, const InternetHeaders& headers) {
  std::string request = OneLine(method) + " " + OneLine(path) + " HTTP/1.0\r\n";
  for (std::int64_t i = 0; i < headers.Count(); ++i) {
    request += OneLine(headers.NameAt(i)) + ": " + OneLine(headers.ValueAt(i)) + "\r\n";
  }
  return request + "\r\n";
}

struct ServerParts {
  std::string_view address;
  std::string_view port;
};

// "name:port" taken apart: the address up to the first ":", the port up to the next one.
ServerParts SplitServer(std::string_view server) {
  auto portAfter = [](std::string_view rest) { return rest.substr(0, rest.find(':')); };
  const std::size_t close = server.find(']');
  if (server.starts_with('[') && close != std::string_view::npos) {
    const std::string_view rest = server.substr(close + 1);
    return {server.substr(1, close - 1), rest.starts_with(':') ? portAfter(rest.substr(1)) : std::string_view()};
  }
  const std::size_t colon = server.find(':');
  if (colon == std::string_view::npos) return {server, {}};
  return {server.substr(0, colon), portAfter(server.substr(colon + 1))};
}

// The most bytes of an unfinished answer held: the longest header block and the longest empty line.
constexpr std::int64_t kMaxHeadBytes =
    HTTPSocket::kMaxHeaderBytes + std::ranges::max(kEmptyLines, {}, &std::string_view::size).size();

}  // namespace

const ClassInfo& HTTPSocket::Description() {
  static const ClassInfo info{.name = "HTTPSocket",
                              .base = &TCPSocket::Description(),
                              .events = kOwnEvents,
                              .methods = kMethods,
                              .create = &Create<HTTPSocket>};
  return info;
}
const ClassInfo& HTTPSocket::Class() const { return Description(); }

HTTPSocket::HTTPSocket() : requestHeaders_(std::make_shared<InternetHeaders>()) { SetReceiveLimit(kMaxHeadBytes); }

void HTTPSocket::Constructor() {
  TCPSocket::Constructor();
  requestHeaders_->SetHeader("Accept", "*/*");
  requestHeaders_->SetHeader("Accept-Language", "en");
}

void HTTPSocket::Get(std::string_view url) {
  const std::size_t scheme = url.find("://");
  const std::string_view rest = scheme == std::string_view::npos ? url : url.substr(scheme + 3);
  const std::size_t slash = rest.find('/');
  server_ = std::string(rest.substr(0, slash));
  path_ = slash == std::string_view::npos ? "/" : std::string(rest.substr(slash));
  const ServerParts parts = SplitServer(server_);
  if (const std::int64_t port = ValToInteger(parts.port); port != 0) {
    SetPort(port);
  } else if (Port() == 0) {
    SetPort(kDefaultPort);
  }
  SetAddress(std::string(parts.address));
  url_ = std::string(url);
  httpAction_ = "GET";
  // Close discards all that the previous connection held. No connection of
  // this request exists yet, whatever an earlier request of the client did.
  Close();
  connectionValid_ = false;
  Connect();
}

void HTTPSocket::Close() {
  TCPSocket::Close();
  received_.clear();
  scanner_ = {};
  SetReceiveLimit(kMaxHeadBytes);
}

std::int64_t HTTPSocket::BytesHeld() const {
  return BytesAvailable() + static_cast<std::int64_t>(received_.size() + page_.size());
}

void HTTPSocket::OnConnected() {
  connectionValid_ = true;
  pageHeaders_ = nullptr;
  httpStatusCode_ = 0;
  page_.clear();
  const std::uint64_t session = Session();
  RaiseWithSelf(EventPositionOf(kEventTable, "HTTPSocket.Connected"));
  if (session != Session()) return;
  requestHeaders_->SetHeader("Host", server_);
  Write(BuildRequest(httpAction_, path_, *requestHeaders_));
}

void HTTPSocket::OnDataAvailable() { HandleAnswer(); }

void HTTPSocket::OnError() {
  if (!std::exchange(connectionValid_, false)) {
    RaiseWithSelf(EventPositionOf(kEventTable, "HTTPSocket.Error"), LastErrorCode());
    return;
  }
  // The connection has ended: what it left waiting may still complete the answer.
  const std::uint64_t session = Session();
  HandleAnswer();
  if (session != Session() || pageHeaders_) return;
  EndedEarly();
}

void HTTPSocket::EndedEarly() {
  // A copy: the call may replace or clear the client's own.
  if (const std::function<void()> call = endedEarly_) call();
}

void HTTPSocket::HandleAnswer() {
  // NOTE: not inside itself: a data event while it runs leaves the data waiting for the loop below.
  if (handlingAnswer_) return;
  // A handler may close the client and drop the last reference to it.
  Ref<Object> protector = SelfOrNil();
  const FlagScope handling(handlingAnswer_);
  const std::uint64_t session = Session();
  while (session == Session() && (pageHeaders_ ? TakeBody() : TakeHeaderBlock())) {
  }
  if (session == Session() && pageHeaders_ && !connectionValid_) {
    RaiseWithSelf(EventPositionOf(kEventTable, "HTTPSocket.PageReceived"), url_, httpStatusCode_, pageHeaders_,
                  std::exchange(page_, {}));
  }
}

bool HTTPSocket::TakeHeaderBlock() {
  // Only the bytes that arrived since the last look are copied and searched.
  received_ += Read(kMaxHeadBytes - static_cast<std::int64_t>(received_.size()));
  const std::optional<ResponseHead> head = scanner_.Scan(received_);
  const std::int64_t held = static_cast<std::int64_t>(received_.size());
  if (head ? static_cast<std::int64_t>(head->blockLength) > kMaxHeaderBytes : held >= kMaxHeadBytes) {
    // Any block that ends from here on is too long: no answer can come any more.
    Close();
    EndedEarly();
    return false;
  }
  if (!head) {
    // The socket and the block together hold no more than the limit.
    SetReceiveLimit(kMaxHeadBytes - held);
    return false;
  }
  SetReceiveLimit(kMaxHeadBytes);
  httpStatusCode_ = head->status;
  pageHeaders_ = std::make_shared<InternetHeaders>(head->headerLines);
  // What follows the empty line is the start of the body.
  received_.erase(0, head->blockLength + head->terminatorLength);
  const std::uint64_t session = Session();
  if (httpStatusCode_ == 401) {
    RaiseWithSelf(EventPositionOf(kEventTable, "HTTPSocket.AuthenticationRequired"), pageHeaders_);
  } else if (httpStatusCode_ == 407) {
    RaiseWithSelf(EventPositionOf(kEventTable, "HTTPSocket.ProxyAuthenticationRequired"), pageHeaders_);
  }
  if (session != Session()) return false;
  RaiseWithSelf(EventPositionOf(kEventTable, "HTTPSocket.HeadersReceived"), pageHeaders_, httpStatusCode_);
  return true;
}

bool HTTPSocket::TakeBody() {
  const std::string chunk = std::exchange(received_, {}) + ReadAll();
  if (chunk.empty()) return false;
  if (static_cast<std::int64_t>(page_.size() + chunk.size()) > kMaxPageBytes) {
    Close();
    return false;
  }
  page_ += chunk;
  RaiseWithSelf(EventPositionOf(kEventTable, "HTTPSocket.ReceiveProgress"), static_cast<std::int64_t>(page_.size()));
  return true;
}

}  // namespace fw
