#pragma once

#include <cstdint>

#include "net/TCPSocket.h"
#include "runtime/Runtime.h"
#include "runtime/WeakRef.h"
#include "ui/PaneChild.h"
#include "ui/Timer.h"
#include "ui/Window.h"

// A non-visual control of the window: its framework class plus what the
// window machinery needs of it, its owner (held weakly) and its index.
template <class Base>
class OwnedControl : public Base, public fw::_PaneChild {
 public:
  void _SetWindow(const fw::Ref<fw::Window>& window) override {
    auto weak = std::make_shared<fw::WeakRef>();
    weak->Constructor(window);
    ownerWindow = weak;  // the previous WeakRef goes with its last reference
  }

  fw::Ref<fw::Window> Window() override {
    if (!ownerWindow) return nullptr;
    auto target = ownerWindow->Value();
    if (!target) return nullptr;
    return fw::RuntimeCheckCast<fw::Window>(target);
  }

  std::int64_t _Index() override { return Index; }
  void _SetIndex(std::int64_t index) override { Index = index; }

  std::int64_t Index = 0;
  fw::Ref<fw::WeakRef> ownerWindow{};
};

// The probe socket's class.
class _wrapper_skt_TestOnlineSocket : public OwnedControl<fw::TCPSocket> {
 public:
  static const fw::ClassInfo& Description();
  const fw::ClassInfo& Class() const override;

  void Constructor() override { fw::TCPSocket::Constructor(); }
};

// The check timer's class.
class _wrapper_tmr_LiveCheckTimer : public OwnedControl<fw::Timer> {
 public:
  static const fw::ClassInfo& Description();
  const fw::ClassInfo& Class() const override;

  void Constructor() {}
};
