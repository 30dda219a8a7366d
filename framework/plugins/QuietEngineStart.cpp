#include "QuietEngineStart.h"

#include <QString>
#include <cstring>

namespace fw {

namespace {

constexpr const char* kLateStartWarnings[] = {
    "Qt WebEngine seems to be initialized from a plugin.",
    "Attribute Qt::AA_ShareOpenGLContexts must be set before QCoreApplication is created.",
};
// The engine's start-up information block comes in this category, at the info level.
constexpr char kStartUpInformation[] = "qt.webenginecontext";

QtMessageHandler previousHandler = nullptr;

void DropLateStartNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (IsLateStartNotice(type, context.category, message)) return;
  if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

bool IsLateStartNotice(QtMsgType type, const char* category, const QString& message) {
  if (type == QtInfoMsg) return category && std::strcmp(category, kStartUpInformation) == 0;
  if (type != QtWarningMsg) return false;
  for (const char* warning : kLateStartWarnings) {
    if (message.startsWith(QLatin1String(warning))) return true;
  }
  return false;
}

void SilenceLateStartNotices() {
  // Once only: installed twice, the handler would hand messages on to itself.
  static const bool installed = (previousHandler = qInstallMessageHandler(&DropLateStartNotices), true);
  (void)installed;
}

}  // namespace fw
