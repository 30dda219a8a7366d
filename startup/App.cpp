#include "App.h"

#include "runtime/ClassInfo.h"

namespace {

constexpr fw::MethodInfo kMethods[] = {{"Constructor", "(  )"}};

}  // namespace

const fw::ClassInfo& App::Description() {
  static const fw::ClassInfo info{
      .name = "App", .base = &fw::Application::Description(), .methods = kMethods, .create = &fw::Create<App>};
  return info;
}

const fw::ClassInfo& App::Class() const { return Description(); }
