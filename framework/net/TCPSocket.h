#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "../runtime/ClassInfo.h"
#include "../runtime/Clock.h"
#include "SocketCore.h"

namespace fw {

class TcpLink;

// A TCP client connection, run by the main thread's event loop. Its own events
// follow SocketCore's: Connected, then SendProgress (sent, left).
//
// Each Connect ends in exactly one Connected or one Error, raised from the
// event loop, never inside Connect itself. A connect that has not succeeded
// within kConnectTimeLimitMs ends in Error (TimedOut). An established
// connection that ends raises Error (ConnectionLost); what it received before
// can still be read. Nothing at all is raised after Close, and a handler may
// drop the last reference to the socket.
class TCPSocket : public SocketCore {
 public:
  static constexpr EventInfo kOwnEvents[] = {{"Connected"}, {"SendProgress"}};
  static constexpr EventTable kEventTable{"TCPSocket", &SocketCore::kEventTable, kOwnEvents};

  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  static constexpr std::int64_t kConnectTimeLimitMs = 10000;

  TCPSocket();
  ~TCPSocket() override;

  virtual void Constructor() {}

  const std::string& Address() const { return address_; }
  void SetAddress(std::string address) { address_ = std::move(address); }

  // Starts connecting to Address (a name or a literal address) and Port and
  // returns at once. A connect in progress, or a connection, is closed first
  // and reports nothing more.
  void Connect() override;
  // Ends the connection at once and discards all that it holds.
  void Close() override;
  // Hands what has been written to the system, then closes.
  void Disconnect();
  bool IsConnected() const override;
  void Purge() override;
  std::int64_t BytesAvailable() const override;

  // Received data: Lookahead leaves it waiting, Read and ReadAll consume it.
  std::string Lookahead() const;
  std::string Read(std::int64_t count);
  std::string ReadAll();
  // True when no data waits and no connection is open ("EOF").
  bool EndOfFile() const;
  // Queues bytes for sending on the open connection; without one they are dropped.
  void Write(std::string_view data);
  void Flush();

 protected:
  // What the socket does on each event of its connection, called from the
  // event loop while a strong reference to the socket is held. Each raises
  // its event with the socket as its argument; a subclass that handles its
  // connection itself overrides them.
  virtual void OnDataAvailable();
  virtual void OnError();
  virtual void OnSendComplete();
  virtual void OnConnected();
  virtual void OnSendProgress(std::int64_t bytesSent, std::int64_t bytesLeft);

  // At most this many received bytes wait in the socket; while they do, it
  // reads nothing more from the connection. 0: no limit. Takes effect at once.
  void SetReceiveLimit(std::int64_t bytes);
  // Changes with every Connect and Close: code that raised an event tells by
  // it whether the handler closed the socket or started over.
  std::uint64_t Session() const { return session_; }

  // Raises the event at `position` with the socket first, then `args`.
  template <class... A>
  void RaiseWithSelf(int position, A... args) {
    RaiseEvent(position, SelfOrNil(), std::move(args)...);
  }

 private:
  friend class TcpLink;
  struct RetireLink {
    void operator()(TcpLink* link) const;
  };
  enum class State { Idle, Connecting, Connected };

  void LinkConnected();
  void LinkReadyRead();
  void LinkBytesWritten(std::int64_t bytes);
  void LinkEnded(std::int64_t code);
  void TimeLimitReached();
  template <class F>
  void FromEventLoop(F&& step);

  std::string address_{};
  std::unique_ptr<TcpLink, RetireLink> link_{};
  State state_ = State::Idle;
  std::uint64_t session_ = 0;
  std::int64_t receiveLimit_ = 0;
  ScheduledCall timeLimit_;
};

// Handlers are attached by position: the list must not change.
static_assert(HasEventsInOrder(TCPSocket::kEventTable,
                               {"SocketCore.DataAvailable", "SocketCore.Error", "SocketCore.SendComplete",
                                "TCPSocket.Connected", "TCPSocket.SendProgress"}));

}  // namespace fw
