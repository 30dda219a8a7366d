#pragma once

#include <memory>
#include <utility>

#include "../runtime/Runtime.h"

namespace fw {

// Makes a Qt object of the user interface: a window's or a control's widget,
// a menu's action. Every window, control and menu item makes its Qt objects
// through this, first of all, so that off the main thread it raises
// ThreadAccessingUIException before Qt has made anything there.
template <class T, class... A>
std::unique_ptr<T> NewUIObject(A&&... args) {
  CheckMainThread();
  return std::make_unique<T>(std::forward<A>(args)...);
}

}  // namespace fw
