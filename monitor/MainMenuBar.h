#pragma once

#include "ui/MenuItem.h"

// The application's one menu bar, shared by the application and the window.
class MainMenuBar : public fw::MenuBar {
 public:
  static const fw::ClassInfo& Description();
  const fw::ClassInfo& Class() const override;

  // The shared bar, built on the first call that succeeds.
  static fw::Ref<MainMenuBar> ImplicitInstance();
  // The class-level slot starts nil; this initialiser leaves it so.
  static void _InitImplicitInstance() {}

  void Constructor();
  virtual void Untitled0();
  virtual void Untitled1();

 private:
  static fw::Ref<MainMenuBar> _implicitInstance;
};
