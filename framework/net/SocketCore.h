#pragma once

#include <cstdint>

#include "../runtime/Object.h"

namespace fw {

// What every socket has: a port, the number of its last error, and the events
// DataAvailable, Error and SendComplete, each raised with the socket as its
// argument.
class SocketCore : public Object {
 public:
  static constexpr EventInfo kOwnEvents[] = {{"DataAvailable"}, {"Error"}, {"SendComplete"}};
  static constexpr EventTable kEventTable{"SocketCore", &Object::kEventTable, kOwnEvents};

  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  // The numbers that LastErrorCode gives once an Error has been raised.
  enum ErrorCodes : std::int64_t {
    NoError = 0,
    ConnectionRefused = 1,   // nothing accepts connections at the address and port
    ConnectionLost = 2,      // an established connection ended: closed or reset by the peer
    HostNotFound = 3,        // the address could not be resolved
    TimedOut = 4,            // no connection within the connect time limit
    InvalidTarget = 5,       // an empty address, or a port outside 1 to 65535
    NetworkUnreachable = 6,  // no route to the address
    AccessDenied = 7,        // the system did not allow the operation
    OutOfResources = 8,      // the system ran out of sockets or memory
    OtherError = 9,
  };

  std::int64_t Port() const { return port_; }
  void SetPort(std::int64_t port) { port_ = port; }
  std::int64_t LastErrorCode() const { return lastErrorCode_; }

  virtual void Connect() = 0;
  virtual void Close() = 0;
  virtual bool IsConnected() const = 0;
  // Discards the received data that waits to be read.
  virtual void Purge() = 0;
  virtual std::int64_t BytesAvailable() const = 0;

 protected:
  void SetLastErrorCode(std::int64_t code) { lastErrorCode_ = code; }

 private:
  std::int64_t port_ = 0;
  std::int64_t lastErrorCode_ = NoError;
};

}  // namespace fw
