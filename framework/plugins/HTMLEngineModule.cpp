#include "HTMLEngineModule.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <cstdio>

#include "HTMLEngine.h"
#include "QuietEngineStart.h"

namespace fw {

namespace {

void ReportMissingEngine(const std::string& path, const char* why) {
  std::fprintf(stderr, "HTMLViewer: no HTML engine, the viewer stays empty: cannot load %s: %s\n", path.c_str(),
               why ? why : "no reason given");
  std::fflush(stderr);
}

// The module stays loaded to the end: the engine's threads run its code.
HTMLEngineFactory LoadFactory() {
  const std::string path = HTMLEngineModulePath();
  SilenceLateStartNotices();
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) {
    ReportMissingEngine(path, dlerror());
    return nullptr;
  }
  auto factory = reinterpret_cast<HTMLEngineFactory>(dlsym(module, kHTMLEngineFactoryName));
  if (!factory) ReportMissingEngine(path, dlerror());
  return factory;
}

}  // namespace

std::string HTMLEngineModulePath() {
  return (QCoreApplication::applicationDirPath() + QStringLiteral("/" TEMBREL_HTML_ENGINE_MODULE)).toStdString();
}

std::unique_ptr<HTMLEngine> CreateHTMLEngine(QWidget& parent) {
  static const HTMLEngineFactory factory = LoadFactory();
  if (!factory) return nullptr;
  return std::unique_ptr<HTMLEngine>(factory(&parent));
}

}  // namespace fw
