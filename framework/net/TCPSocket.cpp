#include "TCPSocket.h"

#include <QByteArray>
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QTcpSocket>

#include "../runtime/Runtime.h"

namespace fw {

namespace {

constexpr MethodInfo kMethods[] = {
    {"Close", "(  )"},
    {"Connect", "(  )"},
    {"Constructor", "(  )"},
    {"Purge", "(  )"},
    {"Disconnect", "(  )"},
    {"EOF", "(  ) as Boolean"},
    {"Flush", "(  )"},
    {"Lookahead", "(  ) as String"},
    {"Read", "( Integer ) as String"},
    {"ReadAll", "(  ) as String"},
    {"Write", "( String )"},
};

constexpr PropertyInfo kProperties[] = {
    Property<&TCPSocket::SetAddress>("Address"),
};

constexpr std::string_view kInterfaces[] = {"Writeable", "Readable"};

std::int64_t ErrorCodeFor(QAbstractSocket::SocketError error) {
  switch (error) {
    case QAbstractSocket::ConnectionRefusedError: return SocketCore::ConnectionRefused;
    case QAbstractSocket::RemoteHostClosedError: return SocketCore::ConnectionLost;
    case QAbstractSocket::HostNotFoundError: return SocketCore::HostNotFound;
    case QAbstractSocket::SocketAccessError: return SocketCore::AccessDenied;
    case QAbstractSocket::SocketResourceError: return SocketCore::OutOfResources;
    case QAbstractSocket::SocketTimeoutError: return SocketCore::TimedOut;
    case QAbstractSocket::NetworkError: return SocketCore::NetworkUnreachable;
    default: return SocketCore::OtherError;
  }
}

std::string ToStd(const QByteArray& bytes) { return std::string(bytes.constData(), bytes.size()); }

}  // namespace

// One connection attempt and the connection that it makes. The owner lets go
// of it on Close; from then on nothing of it reaches the owner.
class TcpLink : public QObject {
 public:
  TcpLink(TCPSocket& owner, std::int64_t receiveLimit) : owner_(&owner) {
    socket.setReadBufferSize(receiveLimit);
    connect(&socket, &QTcpSocket::connected, this, [this] { Relay([](TCPSocket& s) { s.LinkConnected(); }); });
    connect(&socket, &QTcpSocket::readyRead, this, [this] { Relay([](TCPSocket& s) { s.LinkReadyRead(); }); });
    connect(&socket, &QTcpSocket::bytesWritten, this,
            [this](qint64 n) { Relay([n](TCPSocket& s) { s.LinkBytesWritten(n); }); });
    connect(&socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
      Relay([error](TCPSocket& s) { s.LinkEnded(ErrorCodeFor(error)); });
    });
    connect(&socket, &QTcpSocket::disconnected, this,
            [this] { Relay([](TCPSocket& s) { s.LinkEnded(SocketCore::ConnectionLost); }); });
  }

  // Both start from the event loop, so that no outcome is raised inside Connect.
  void Start(const std::string& host, quint16 port) {
    QMetaObject::invokeMethod(
        this, [this, host = QString::fromStdString(host), port] { Guarded([&] { socket.connectToHost(host, port); }); },
        Qt::QueuedConnection);
  }
  void FailLater(std::int64_t code) {
    QMetaObject::invokeMethod(
        this, [this, code] { Relay([code](TCPSocket& s) { s.LinkEnded(code); }); }, Qt::QueuedConnection);
  }

  // Gives the attempt up: nothing of the socket reaches the owner any more, only `code`, from the event loop.
  void Abandon(std::int64_t code) {
    Silence();
    FailLater(code);
  }

  void Retire() {
    owner_ = nullptr;
    Silence();
    // NOTE: never delete the socket inside one of its own signals; Qt goes on using it after the slot returns.
    if (depth_ > 0) {
      deleteLater();
    } else {
      delete this;
    }
  }

  QTcpSocket socket;

 private:
  void Silence() {
    socket.disconnect(this);
    socket.abort();
  }
  template <class F>
  void Guarded(F&& step) {
    ++depth_;
    step();
    --depth_;
  }
  template <class F>
  void Relay(F&& step) {
    Guarded([&] {
      if (owner_) step(*owner_);
    });
  }

  TCPSocket* owner_;
  int depth_ = 0;
};

void TCPSocket::RetireLink::operator()(TcpLink* link) const { link->Retire(); }

const ClassInfo& TCPSocket::Description() {
  static const ClassInfo info{.name = "TCPSocket",
                              .base = &SocketCore::Description(),
                              .properties = kProperties,
                              .events = kOwnEvents,
                              .methods = kMethods,
                              .interfaces = kInterfaces,
                              .create = &Create<TCPSocket>};
  return info;
}
const ClassInfo& TCPSocket::Class() const { return Description(); }

TCPSocket::TCPSocket() : timeLimit_([this] { TimeLimitReached(); }) {}

TCPSocket::~TCPSocket() = default;

void TCPSocket::Connect() {
  Close();
  SetLastErrorCode(NoError);
  state_ = State::Connecting;
  link_.reset(new TcpLink(*this, receiveLimit_));
  timeLimit_.Start(kConnectTimeLimitMs);
  const std::int64_t port = Port();
  if (address_.empty() || port < 1 || port > 65535) {
    link_->FailLater(InvalidTarget);
  } else {
    link_->Start(address_, static_cast<quint16>(port));
  }
}

void TCPSocket::Close() {
  ++session_;
  state_ = State::Idle;
  timeLimit_.Stop();
  link_.reset();
}

void TCPSocket::Disconnect() {
  Flush();
  Close();
}

bool TCPSocket::IsConnected() const { return state_ == State::Connected; }

void TCPSocket::SetReceiveLimit(std::int64_t bytes) {
  receiveLimit_ = bytes;
  if (link_) link_->socket.setReadBufferSize(bytes);
}

void TCPSocket::Purge() {
  if (link_) link_->socket.skip(link_->socket.bytesAvailable());
}

std::int64_t TCPSocket::BytesAvailable() const { return link_ ? link_->socket.bytesAvailable() : 0; }

std::string TCPSocket::Lookahead() const {
  return link_ ? ToStd(link_->socket.peek(link_->socket.bytesAvailable())) : std::string();
}

std::string TCPSocket::Read(std::int64_t count) {
  return link_ && count > 0 ? ToStd(link_->socket.read(count)) : std::string();
}

std::string TCPSocket::ReadAll() { return link_ ? ToStd(link_->socket.readAll()) : std::string(); }

bool TCPSocket::EndOfFile() const { return !IsConnected() && BytesAvailable() == 0; }

void TCPSocket::Write(std::string_view data) {
  if (IsConnected()) link_->socket.write(data.data(), static_cast<qint64>(data.size()));
}

void TCPSocket::Flush() {
  if (link_) link_->socket.flush();
}

void TCPSocket::OnDataAvailable() { RaiseWithSelf(EventPositionOf(kEventTable, "SocketCore.DataAvailable")); }
void TCPSocket::OnError() { RaiseWithSelf(EventPositionOf(kEventTable, "SocketCore.Error")); }
void TCPSocket::OnSendComplete() { RaiseWithSelf(EventPositionOf(kEventTable, "SocketCore.SendComplete")); }
void TCPSocket::OnConnected() { RaiseWithSelf(EventPositionOf(kEventTable, "TCPSocket.Connected")); }
void TCPSocket::OnSendProgress(std::int64_t bytesSent, std::int64_t bytesLeft) {
  RaiseWithSelf(EventPositionOf(kEventTable, "TCPSocket.SendProgress"), bytesSent, bytesLeft);
}

template <class F>
void TCPSocket::FromEventLoop(F&& step) {
  Ref<Object> protector = SelfOrNil();
  Dispatch(step);
}

void TCPSocket::LinkConnected() {
  if (state_ != State::Connecting) return;
  state_ = State::Connected;
  timeLimit_.Stop();
  FromEventLoop([&] { OnConnected(); });
}

void TCPSocket::LinkReadyRead() {
  if (state_ == State::Connected) FromEventLoop([&] { OnDataAvailable(); });
}

void TCPSocket::LinkBytesWritten(std::int64_t bytes) {
  if (state_ != State::Connected) return;
  const std::int64_t left = link_->socket.bytesToWrite();
  const std::uint64_t session = session_;
  FromEventLoop([&] {
    OnSendProgress(bytes, left);
    if (left == 0 && session == session_) OnSendComplete();
  });
}

void TCPSocket::LinkEnded(std::int64_t code) {
  if (state_ == State::Idle) return;
  // However Qt names it, the end of an established connection is a lost connection.
  SetLastErrorCode(state_ == State::Connected ? ConnectionLost : code);
  state_ = State::Idle;
  timeLimit_.Stop();
  FromEventLoop([&] { OnError(); });
}

void TCPSocket::TimeLimitReached() {
  // NOTE: raised through the link, not from here: a handler that drops the
  // socket would destroy the running call's own timer.
  if (state_ == State::Connecting) link_->Abandon(TimedOut);
}

}  // namespace fw
