#include "QuietEngineStart.h"

#include <QLoggingCategory>
#include <QString>
#include <cstring>

namespace fw {

namespace {

constexpr const char* kLateStartWarnings[] = {
    "Qt WebEngine seems to be initialized from a plugin.",
    "Attribute Qt::AA_ShareOpenGLContexts must be set before QCoreApplication is created.",
    // Said when the view draws without OpenGL, as it does on purpose.
    "No suitable graphics backend found",
};
// The engine's start-up information block comes in this category, at the info level.
constexpr char kStartUpInformation[] = "qt.webenginecontext";

QtMessageHandler previousHandler = nullptr;
QLoggingCategory::CategoryFilter previousFilter = nullptr;

void DropLateStartNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (IsLateStartNotice(type, context.category, message)) return;
  if (previousHandler) previousHandler(type, context, message);
}

// NOTE: the block describes the OpenGL context that the engine shares, and
// without one (the view draws in software) writing it crashes: the level stays
// off whatever the logging rules say.
void KeepStartUpInformationOff(QLoggingCategory* category) {
  if (previousFilter) previousFilter(category);
  if (std::strcmp(category->categoryName(), kStartUpInformation) == 0) category->setEnabled(QtInfoMsg, false);
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
  // Once only: installed twice, each would hand on to itself.
  static const bool installed = (previousHandler = qInstallMessageHandler(&DropLateStartNotices),
                                 previousFilter = QLoggingCategory::installFilter(&KeepStartUpInformationOff), true);
  (void)installed;
}

}  // namespace fw
