#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "ResponseHeadScanner.h"
#include "TCPSocket.h"

namespace fw {

class InternetHeaders;

// An HTTP/1.0 client for one request at a time. It handles the events of its
// TCP layer itself; its own, in order after TCPSocket's:
//   AuthenticationRequired (headers), Connected, DownloadComplete,
//   Error (error number), HeadersReceived (headers, status),
//   PageReceived (url, status, headers, body), ProxyAuthenticationRequired
//   (headers), ReceiveProgress (body bytes so far).
// Error reports only a request whose connection was never established.
// HeadersReceived comes once the answer's header block is complete, before
// any of the body is read. A handler of the two authentication events may
// set credentials in RequestHeaders and call Get again; otherwise the client
// goes on to HeadersReceived.
//
// A connection that ends before the header block is complete raises no event;
// C++ code learns of it through SetEndedEarlyCall. So does a header block that
// grows past kMaxHeaderBytes: the client closes the connection.
class HTTPSocket : public TCPSocket {
 public:
  // NOTE: DownloadComplete belongs to downloading into a file, which this client
  // does not offer; its row keeps the positions of the events after it.
  static constexpr EventInfo kOwnEvents[] = {
      {"AuthenticationRequired"},
      {"Connected"},
      {"DownloadComplete"},
      {"Error"},
      {"HeadersReceived"},
      {"PageReceived"},
      {"ProxyAuthenticationRequired"},
      {"ReceiveProgress"},
  };
  static constexpr EventTable kEventTable{"HTTPSocket", &TCPSocket::kEventTable, kOwnEvents};

  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  // The longest header block taken, its empty line not counted; a longer one
  // closes the connection and makes the ended-early call.
  static constexpr std::int64_t kMaxHeaderBytes = 64 * 1024;
  // A body larger than this closes the connection without an event.
  static constexpr std::int64_t kMaxPageBytes = 1024 * 1024;
  // The port of a URL that names none.
  static constexpr std::int64_t kDefaultPort = 80;

  HTTPSocket();

  // Sets the request headers Accept "*/*" and Accept-Language "en".
  void Constructor() override;
  // Starts a GET of `url` and returns at once; the outcome comes as events.
  // A host part in brackets is an IPv6 address: "http://[::1]:8000/".
  void Get(std::string_view url);

  // Also discards the part of the answer that the client has taken in.
  void Close() override;

  const Ref<InternetHeaders>& RequestHeaders() const { return requestHeaders_; }
  // The received bytes that the client holds: those waiting in its socket,
  // the unfinished header block and the body kept so far.
  std::int64_t BytesHeld() const;

  // Called when the connection of a request ends before the answer's header
  // block is complete: closed or reset by the server, or closed by the client
  // at kMaxHeaderBytes. nullptr: nothing. Not an event: Error keeps reporting
  // only connections never established.
  void SetEndedEarlyCall(std::function<void()> call) { endedEarly_ = std::move(call); }

 protected:
  void OnDataAvailable() override;
  void OnError() override;
  void OnSendComplete() override {}
  void OnConnected() override;
  void OnSendProgress(std::int64_t, std::int64_t) override {}

  // How many bytes the search for the end of the current header block has looked at.
  std::size_t HeaderBytesExamined() const { return scanner_.BytesExamined(); }

 private:
  void HandleAnswer();
  bool TakeHeaderBlock();
  bool TakeBody();
  void EndedEarly();

  Ref<InternetHeaders> requestHeaders_;
  std::string url_{};
  std::string server_{};
  std::string path_ = "/";
  std::string httpAction_{};
  bool connectionValid_ = false;
  bool handlingAnswer_ = false;
  Ref<InternetHeaders> pageHeaders_{};
  std::int64_t httpStatusCode_ = 0;
  std::string page_{};
  // The answer's bytes taken from the socket and not yet handed on: the
  // unfinished header block, then what came after it.
  std::string received_{};
  ResponseHeadScanner scanner_{};
  std::function<void()> endedEarly_{};
};

// Handlers are attached by position: the list must not change.
static_assert(HasEventsInOrder(HTTPSocket::kEventTable,
                               {"SocketCore.DataAvailable", "SocketCore.Error", "SocketCore.SendComplete",
                                "TCPSocket.Connected", "TCPSocket.SendProgress", "HTTPSocket.AuthenticationRequired",
                                "HTTPSocket.Connected", "HTTPSocket.DownloadComplete", "HTTPSocket.Error",
                                "HTTPSocket.HeadersReceived", "HTTPSocket.PageReceived",
                                "HTTPSocket.ProxyAuthenticationRequired", "HTTPSocket.ReceiveProgress"}));

}  // namespace fw
