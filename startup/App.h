#pragma once

#include "ui/Application.h"

// The application object. It adds nothing to the framework's Application.
class App : public fw::Application {
 public:
  static const fw::ClassInfo& Description();
  const fw::ClassInfo& Class() const override;

  void Constructor() {}
};
