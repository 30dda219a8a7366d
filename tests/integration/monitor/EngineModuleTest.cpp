#include <gtest/gtest.h>

#include <QCoreApplication>
#include <fstream>
#include <initializer_list>
#include <string>

#include "EventLoop.h"
#include "LoopbackServer.h"
#include "MonitorFixture.h"
#include "net/TCPSocket.h"
#include "plugins/HTMLEngineModule.h"
#include "plugins/HTMLViewer.h"

namespace {

using tembrel::test::LoopbackServer;

// The files mapped into this process whose paths contain any of `parts`, one a line.
std::string MappedFiles(std::initializer_list<std::string> parts) {
  std::ifstream maps("/proc/self/maps");
  std::string found;
  for (std::string line; std::getline(maps, line);) {
    const auto path = line.find('/');
    if (path == std::string::npos) continue;
    const std::string file = line.substr(path);
    for (const std::string& part : parts) {
      if (file.find(part) != std::string::npos && found.find(file + '\n') == std::string::npos) found += file + '\n';
    }
  }
  return found;
}

using EngineModule = tembrel::test::MonitorTest;

TEST_F(EngineModule, NothingOfTheEngineIsMappedBeforeTheFirstPage) {
  const std::string module = fw::HTMLEngineModulePath();
  EXPECT_FALSE(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts)) << "it starts OpenGL with the application";
  EXPECT_EQ(MappedFiles({"WebEngine", "libLLVM", "_dri.so", module}), "") << "off the air, after the first check";

  LoopbackServer server({.reply = "HTTP/1.0 200 OK\r\n\r\n"});
  PointAt(server.Port());
  RunNextCheck();
  ASSERT_TRUE(window->LinkOpen);
  EXPECT_NE(window->htm_AudioPlayer()->_Engine(), nullptr);
  EXPECT_EQ(MappedFiles({module}), module + '\n') << "loaded from beside the executable";
  EXPECT_NE(MappedFiles({"libQt6WebEngineCore"}), "");
}

}  // namespace
