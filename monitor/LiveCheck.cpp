#include "net/HTTPSocket.h"
#include "net/InternetHeaders.h"
#include "net/TCPSocket.h"
#include "runtime/Runtime.h"
#include "runtime/Text.h"
#include "ui/Timer.h"
#include "win_MainWindow.h"

namespace {

// Where the window's handlers attach to the check's client.
constexpr int ClientErrorEvent() { return fw::EventPositionOf(fw::HTTPSocket::kEventTable, "HTTPSocket.Error"); }
constexpr int ClientHeadersEvent() {
  return fw::EventPositionOf(fw::HTTPSocket::kEventTable, "HTTPSocket.HeadersReceived");
}

fw::Delegate ErrorHandler(const fw::Ref<win_MainWindow>& window) {
  return fw::RuntimeCreateDelegate(window, &win_MainWindow::HTTPGetError, "( HTTPSocket, Integer )", 1);
}

fw::Delegate HeadersHandler(const fw::Ref<win_MainWindow>& window) {
  return fw::RuntimeCreateDelegate(window, &win_MainWindow::HTTPHeadersRx, "( HTTPSocket, InternetHeaders, Integer )",
                                   1);
}

void DetachHandlers(const fw::Ref<win_MainWindow>& window, const fw::Ref<fw::HTTPSocket>& client) {
  fw::RuntimeRemoveEventHandler(client, ClientErrorEvent(), ErrorHandler(window));
  fw::RuntimeRemoveEventHandler(client, ClientHeadersEvent(), HeadersHandler(window));
  fw::Deref(client).SetEndedEarlyCall(nullptr);
}

}  // namespace

void win_MainWindow::Event_Open() {
  RemoteServer = fw::Deref(skt_TestOnlineSocket()).Address();
  RemotePort = fw::Deref(skt_TestOnlineSocket()).Port();
  fw::Deref(tmr_LiveCheckTimer()).SetEnabled(false);
  CheckLiveState("", 0);
}

void win_MainWindow::CheckLiveState(std::string host, std::int64_t port) {
  if (!host.empty()) fw::Deref(skt_TestOnlineSocket()).SetAddress(host);
  if (port > 0) fw::Deref(skt_TestOnlineSocket()).SetPort(port);
  fw::Deref(skt_TestOnlineSocket()).Connect();
}

void win_MainWindow::tmr_LiveCheckTimer_Action(fw::Ref<fw::Timer> sender) {
  fw::Deref(sender).SetEnabled(false);
  CheckLiveState("", 0);
}

void win_MainWindow::skt_TestOnlineSocket_Connected(fw::Ref<fw::TCPSocket>) {
  auto client = fw::RuntimeCheckCast<fw::HTTPSocket>(__New(fw::HTTPSocket::Description()));
  fw::Deref(client).Constructor();
  HTTPGetSocket = client;
  auto self = SharedAs<win_MainWindow>();
  fw::RuntimeAddEventHandler(HTTPGetSocket, ClientErrorEvent(), ErrorHandler(self));
  fw::RuntimeAddEventHandler(HTTPGetSocket, ClientHeadersEvent(), HeadersHandler(self));
  fw::Deref(HTTPGetSocket).SetEndedEarlyCall([window = std::weak_ptr<win_MainWindow>(self)] {
    if (auto alive = window.lock()) alive->RequestEndedEarly();
  });
  std::string url = "http://" + RemoteServer + ":" + fw::Str(RemotePort, "") + "/";
  fw::Deref(HTTPGetSocket).Get(url);
  requestTimeLimit_.Start(kRequestTimeLimitMs);
  fw::Deref(skt_TestOnlineSocket()).Close();
}

void win_MainWindow::skt_TestOnlineSocket_Error(fw::Ref<fw::TCPSocket>) {
  if (fw::Deref(skt_TestOnlineSocket()).IsConnected()) fw::Deref(skt_TestOnlineSocket()).Close();
  fw::Deref(tmr_LiveCheckTimer()).SetMode(fw::Timer::ModeSingle);
  fw::Deref(tmr_LiveCheckTimer()).SetEnabled(true);
}

void win_MainWindow::HTTPHeadersRx(fw::Ref<fw::HTTPSocket> sender, fw::Ref<fw::InternetHeaders>,
                                   std::int64_t httpStatusCode) {
  requestTimeLimit_.Stop();
  DetachHandlers(SharedAs<win_MainWindow>(), HTTPGetSocket);
  fw::Deref(sender).Disconnect();
  fw::Deref(HTTPGetSocket).Close();
  HTTPGetSocket = nullptr;
  if (httpStatusCode == 200) {
    StreamAvailable();
  } else {
    StreamNotAvailable();
  }
}

void win_MainWindow::HTTPGetError(fw::Ref<fw::HTTPSocket>, std::int64_t) {
  requestTimeLimit_.Stop();
  DetachHandlers(SharedAs<win_MainWindow>(), HTTPGetSocket);
  fw::Deref(HTTPGetSocket).Close();
  HTTPGetSocket = nullptr;
  StreamNotAvailable();
}

// A server that accepts the request and never completes its answer would
// otherwise hold the check, and every check after it, for good.
void win_MainWindow::RequestTimeLimitReached() {
  fw::Ref<fw::Object> protector = SelfOrNil();
  fw::Dispatch([&] { HTTPGetError(HTTPGetSocket, kRequestTimedOut); });
}

// No answer can come any more: the check ends at once, as at the time limit.
void win_MainWindow::RequestEndedEarly() { HTTPGetError(HTTPGetSocket, fw::Deref(HTTPGetSocket).LastErrorCode()); }
