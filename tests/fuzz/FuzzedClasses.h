#pragma once

#include <string_view>

#include "framework/net/HTTPSocket.h"
#include "framework/net/TCPSocket.h"
#include "framework/plugins/BevelButton.h"
#include "framework/plugins/HTMLViewer.h"
#include "framework/runtime/ClassInfo.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/CheckBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/Rectangle.h"
#include "framework/ui/Timer.h"
#include "framework/ui/Window.h"

namespace fuzz {

// Every class that settings blocks can be applied to, between them declaring
// properties of each type that a block holds. An input names one of them.
inline constexpr const fw::ClassInfo& (*kClasses[])() = {
    &fw::Window::Description,    &fw::Label::Description,      &fw::BevelButton::Description,
    &fw::CheckBox::Description,  &fw::PushButton::Description, &fw::Rectangle::Description,
    &fw::Canvas::Description,    &fw::HTMLViewer::Description, &fw::TCPSocket::Description,
    &fw::HTTPSocket::Description, &fw::Timer::Description,     &fw::MenuItem::Description,
};

inline const fw::ClassInfo* ClassNamed(std::string_view name) {
  for (auto description : kClasses) {
    if (description().name == name) return &description();
  }
  return nullptr;
}

}  // namespace fuzz
