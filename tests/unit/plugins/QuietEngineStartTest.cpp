#include <gtest/gtest.h>

#include <QString>

#include "plugins/QuietEngineStart.h"

namespace {

TEST(QuietEngineStart, DropsOnlyTheNoticesOfTheEnginesLateStart) {
  const struct {
    QtMsgType type;
    const char* category;
    const char* message;
    bool dropped;
  } cases[] = {
      {QtWarningMsg, "default",
       "Qt WebEngine seems to be initialized from a plugin. Please set Qt::AA_ShareOpenGLContexts using "
       "QCoreApplication::setAttribute and QSGRendererInterface::OpenGLRhi using QQuickWindow::setGraphicsApi "
       "before constructing QGuiApplication.",
       true},
      {QtWarningMsg, "default", "Attribute Qt::AA_ShareOpenGLContexts must be set before QCoreApplication is created.",
       true},
      {QtWarningMsg, "default", "No suitable graphics backend found", true},
      {QtInfoMsg, "qt.webenginecontext", "\n\nGL Type: disabled\nSurface Type: DefaultRenderableType\n", true},
      // A real trouble of the engine still shows.
      {QtWarningMsg, "qt.webenginecontext", "GL context creation failed", false},
      {QtCriticalMsg, "default", "Attribute Qt::AA_ShareOpenGLContexts must be set before QCoreApplication is created.",
       false},
      {QtWarningMsg, "default",
       "WebEngineContext used before QtWebEngineCore::initialize() or OpenGL context creation failed.", false},
      {QtWarningMsg, "default", "Attribute Qt::AA_UseOpenGLES must be set before QCoreApplication is created.", false},
      {QtInfoMsg, "qt.webengine", "started", false},
      {QtInfoMsg, nullptr, "a note", false},
      {QtWarningMsg, nullptr, "QWidget::setParent: something", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fw::IsLateStartNotice(c.type, c.category, QString::fromUtf8(c.message)), c.dropped) << c.message;
  }
}

}  // namespace
