#pragma once

#include "RectControl.h"

namespace fw {

class Picture;

// A drawing surface that shows its backdrop picture at its top left. A
// transparent canvas lets the window's background show around and through
// the picture; an opaque one that erases its background fills it first.
class Canvas : public RectControl {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  Canvas();

  const Ref<Picture>& Backdrop() const { return backdrop_; }
  // Nil removes the backdrop.
  void SetBackdrop(Ref<Picture> picture);
  bool UseFocusRing() const { return useFocusRing_; }
  void SetUseFocusRing(bool v) { useFocusRing_ = v; }
  bool AcceptFocus() const { return acceptFocus_; }
  void SetAcceptFocus(bool v);
  bool AcceptTabs() const { return acceptTabs_; }
  void SetAcceptTabs(bool v) { acceptTabs_ = v; }
  bool DoubleBuffer() const { return doubleBuffer_; }
  void SetDoubleBuffer(bool v) { doubleBuffer_ = v; }
  bool EraseBackground() const { return eraseBackground_; }
  void SetEraseBackground(bool v);

 protected:
  void ApplyTransparent() override;

 private:
  Ref<Picture> backdrop_{};
  bool useFocusRing_ = true;
  bool acceptFocus_ = false;
  bool acceptTabs_ = false;
  bool doubleBuffer_ = false;
  bool eraseBackground_ = true;
};

}  // namespace fw
