// The HTTP client reading a header block that never ends, trickled in 1-byte
// TCP segments by a loopback server on a thread of its own, beside a plain
// QTcpSocket that reads and discards the same trickle, in the same run: CPU
// time of the main thread (which runs the event loop) per byte received.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QHostAddress>
#include <QTcpSocket>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "Bench.h"
#include "net/HTTPSocket.h"
#include "runtime/Runtime.h"

namespace {

constexpr std::string_view kStatusLine = "HTTP/1.0 200 OK\r\n";
constexpr int kRounds = 2;

void Require(bool condition, const char* what) {
  if (condition) return;
  bench::Note("failed: %s", what);
  std::exit(1);
}

// Serves one connection after another: once the request's empty line has come,
// the status line, then header bytes one write each (TCP_NODELAY), `gapUs`
// apart, until `bytes` have gone or the client has closed.
class TrickleServer {
 public:
  TrickleServer(std::size_t bytes, long gapUs) : bytes_(bytes), gapUs_(gapUs) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    Require(::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) == 0 && ::listen(listener_, 4) == 0 &&
                ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) == 0,
            "listening on loopback");
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~TrickleServer() {
    stop_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    thread_.join();
    ::close(listener_);
  }

  std::uint16_t Port() const { return port_; }
  // The bytes that each connection carries to the client.
  std::size_t Total() const { return kStatusLine.size() + bytes_; }

 private:
  void Serve() {
    while (!stop_) {
      const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (connection < 0) return;
      const int on = 1;
      ::setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
      Trickle(connection);
      ::close(connection);
    }
  }

  void Trickle(int connection) {
    std::string request;
    char buffer[512];
    while (request.find("\r\n\r\n") == std::string::npos) {
      const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
      if (n <= 0) return;
      request.append(buffer, static_cast<std::size_t>(n));
    }
    if (::send(connection, kStatusLine.data(), kStatusLine.size(), MSG_NOSIGNAL) < 0) return;
    const std::string line = "X-Filler: " + std::string(54, 'x') + "\r\n";
    const timespec gap{0, gapUs_ * 1000};
    for (std::size_t i = 0; i < bytes_ && !stop_; ++i) {
      if (::send(connection, &line[i % line.size()], 1, MSG_NOSIGNAL) != 1) return;
      ::nanosleep(&gap, nullptr);
    }
    // Until the client lets go.
    while (::recv(connection, buffer, sizeof buffer, 0) > 0) {
    }
  }

  std::size_t bytes_;
  long gapUs_;
  int listener_ = -1;
  std::uint16_t port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

struct Run {
  double cpuUs = 0;
  long dataEvents = 0;
};

// Counts its data events, and otherwise is the client as the check uses it.
class CountingClient : public fw::HTTPSocket {
 public:
  long dataEvents = 0;

 protected:
  void OnDataAvailable() override {
    ++dataEvents;
    HTTPSocket::OnDataAvailable();
  }
};

Run ReadWithTheClient(const TrickleServer& server) {
  auto client = std::make_shared<CountingClient>();
  client->Constructor();
  const double start = bench::ThreadCpuMilliseconds();
  client->Get("http://127.0.0.1:" + std::to_string(server.Port()) + "/");
  const auto total = static_cast<std::int64_t>(server.Total());
  Require(bench::Await([&] { return client->BytesHeld() >= total; }, 600000).has_value(), "the client's trickle");
  const Run run{(bench::ThreadCpuMilliseconds() - start) * 1e3, client->dataEvents};
  client->Close();
  return run;
}

Run ReadWithAPlainSocket(const TrickleServer& server) {
  QTcpSocket socket;
  std::size_t received = 0;
  long dataEvents = 0;
  QObject::connect(&socket, &QTcpSocket::connected, [&] { socket.write("GET / HTTP/1.0\r\n\r\n"); });
  QObject::connect(&socket, &QTcpSocket::readyRead, [&] {
    ++dataEvents;
    received += static_cast<std::size_t>(socket.readAll().size());
  });
  const double start = bench::ThreadCpuMilliseconds();
  socket.connectToHost(QHostAddress::LocalHost, server.Port());
  Require(bench::Await([&] { return received >= server.Total(); }, 600000).has_value(), "the plain socket's trickle");
  const Run run{(bench::ThreadCpuMilliseconds() - start) * 1e3, dataEvents};
  socket.abort();
  return run;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  fw::RuntimeInit(argv[0]);
  const std::size_t bytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 60000;
  const long gapUs = argc > 2 ? std::atol(argv[2]) : 100;
  Require(bytes + kStatusLine.size() < static_cast<std::size_t>(fw::HTTPSocket::kMaxHeaderBytes),
          "a trickle within the client's bound on a header block");
  TrickleServer server(bytes, gapUs);

  // In turns, so that neither gets the quieter moments of the run.
  Run client, plain;
  for (int round = 0; round < kRounds; ++round) {
    for (const auto& [sum, read] : {std::pair{&client, &ReadWithTheClient}, std::pair{&plain, &ReadWithAPlainSocket}}) {
      const Run run = read(server);
      bench::Note("round %d, %s: %.0f ms CPU, %ld data events", round, sum == &client ? "client" : "plain socket",
                  run.cpuUs / 1e3, run.dataEvents);
      sum->cpuUs += run.cpuUs;
      sum->dataEvents += run.dataEvents;
    }
  }

  const double received = static_cast<double>(kRounds * server.Total());
  const double clientPerByte = client.cpuUs / received;
  const double plainPerByte = plain.cpuUs / received;
  bench::Row(
      "Header trickle, CPU per byte",
      bench::Format("%.1f us (plain socket %.1f us, %.2fx)", clientPerByte, plainPerByte, clientPerByte / plainPerByte),
      bench::Format("main thread; %zu header bytes in 1-byte segments %ld us apart, %d rounds each; data "
                    "events per byte: client %.2f, plain %.2f",
                    bytes, gapUs, kRounds, static_cast<double>(client.dataEvents) / received,
                    static_cast<double>(plain.dataEvents) / received));
  return fw::RuntimeExit();
}
