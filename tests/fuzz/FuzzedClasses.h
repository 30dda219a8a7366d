#pragma once

#include <string_view>

#include "net/HTTPSocket.h"
#include "net/TCPSocket.h"
#include "plugins/BevelButton.h"
#include "plugins/HTMLViewer.h"
#include "runtime/ClassInfo.h"
#include "ui/Canvas.h"
#include "ui/CheckBox.h"
#include "ui/Label.h"
#include "ui/MenuItem.h"
#include "ui/PushButton.h"
#include "ui/Rectangle.h"
#include "ui/Timer.h"
#include "ui/Window.h"

namespace fuzz {

// Every class that settings blocks can be applied to, between them declaring
// properties of each type that a block holds. An input names one of them.
inline constexpr const fw::ClassInfo& (*kClasses[])() = {
    &fw::Window::Description,     &fw::Label::Description,      &fw::BevelButton::Description,
    &fw::CheckBox::Description,   &fw::PushButton::Description, &fw::Rectangle::Description,
    &fw::Canvas::Description,     &fw::HTMLViewer::Description, &fw::TCPSocket::Description,
    &fw::HTTPSocket::Description, &fw::Timer::Description,      &fw::MenuItem::Description,
};

inline const fw::ClassInfo* ClassNamed(std::string_view name) {
  for (auto description : kClasses) {
    if (description().name == name) return &description();
  }
  return nullptr;
}

}  // namespace fuzz
