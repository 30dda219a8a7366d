#include "WindowFixture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace tembrel::test {

namespace s = fw::settings;

WindowFixture::WindowFixture() {
  fw::_SetProperties(*window, s::Block({
                                  s::Integer("Width", 600),
                                  s::Integer("Height", 250),
                                  s::Boolean("Resizeable", false),
                                  s::Boolean("HasBackColor", true),
                                  s::Color("BackColor", kWindowBlue.rgb() & 0xFFFFFF),
                              }));
}

QImage WindowFixture::Grab() const { return window->_Content()->grab().toImage(); }

void WindowFixture::Show() const {
  window->_NativeWindow()->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(window->_NativeWindow()));
}

QImage WindowFixture::GrabScreen() const {
  QWidget* content = window->_Content();
  QPoint origin = content->mapTo(window->_NativeWindow(), QPoint(0, 0));
  return QGuiApplication::primaryScreen()
      ->grabWindow(window->_NativeWindow()->winId(), origin.x(), origin.y(), content->width(), content->height())
      .toImage();
}

}  // namespace tembrel::test
