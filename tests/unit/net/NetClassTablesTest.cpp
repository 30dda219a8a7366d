#include <gtest/gtest.h>

#include <string>

#include "net/HTTPSocket.h"
#include "net/TCPSocket.h"
#include "runtime/ClassInfo.h"
#include "runtime/Settings.h"

namespace {

using namespace fw;

// The system attaches handlers by these positions.
TEST(NetClassTables, EventPositionsAreFlatWithTheAncestorsFirst) {
  const std::pair<const char*, int> tcp[] = {
      {"SocketCore.DataAvailable", 0}, {"SocketCore.Error", 1},       {"SocketCore.SendComplete", 2},
      {"TCPSocket.Connected", 3},      {"TCPSocket.SendProgress", 4},
  };
  for (const auto& [name, position] : tcp) {
    EXPECT_EQ(EventPosition(TCPSocket::Description(), name), position) << name;
    EXPECT_EQ(EventPosition(HTTPSocket::Description(), name), position) << name;
  }
  const char* http[] = {
      "AuthenticationRequired",      "Connected",      "DownloadComplete", "Error", "HeadersReceived", "PageReceived",
      "ProxyAuthenticationRequired", "ReceiveProgress"};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(EventPosition(HTTPSocket::Description(), std::string("HTTPSocket.") + http[i]), 5 + i) << http[i];
  }
  EXPECT_EQ(EventCount(TCPSocket::Description()), 5);
  EXPECT_EQ(EventCount(HTTPSocket::Description()), 13);
}

TEST(NetClassTables, SettingsBlockSetsAddressAndPort) {
  namespace s = fw::settings;
  TCPSocket socket;
  _SetProperties(socket, s::Block({s::String("Address", "stream.example"), s::Integer("Port", 8000)}));
  EXPECT_EQ(socket.Address(), "stream.example");
  EXPECT_EQ(socket.Port(), 8000);
}

}  // namespace
