#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>
#include <string>
#include <string_view>

#include "runtime/Runtime.h"
#include "runtime/Settings.h"
#include "ui/Window.h"

namespace tembrel::test {

// A 600 x 250 window on the monitor's blue, to place controls in and look at.
class WindowFixture : public ::testing::Test {
 protected:
  static inline const QColor kWindowBlue{0x6C, 0x8E, 0xFE};

  WindowFixture();

  // A control of class T made by the window, registered under `name`, with `block` applied.
  template <class T>
  fw::Ref<T> Add(std::string_view name, const std::string& block) {
    fw::Ref<fw::Object> object = window->__New(T::Description());
    window->_AddControl(name, object);
    fw::_SetProperties(*object, block);
    return fw::RuntimeCheckCast<T>(object);
  }

  // The content area as it draws itself now.
  QImage Grab() const;
  // Shows the window and waits until it is on the (offscreen) screen.
  void Show() const;
  // The content area as the screen shows it.
  QImage GrabScreen() const;

  fw::Ref<fw::Window> window = std::make_shared<fw::Window>();
};

}  // namespace tembrel::test
