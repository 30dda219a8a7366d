#pragma once

#include <cstdint>

#include "../runtime/Object.h"

namespace fw {

class Window;

// What a window needs of a non-visual object that it owns: a place to keep
// the owner (weakly) and the object's index in a control array.
class _PaneChild {
 public:
  virtual ~_PaneChild() = default;
  virtual void _SetWindow(const Ref<fw::Window>& window) = 0;
  virtual Ref<fw::Window> Window() = 0;
  virtual std::int64_t _Index() = 0;
  virtual void _SetIndex(std::int64_t index) = 0;
};

}  // namespace fw
