#include "Finalizers.h"

#include <vector>

namespace fw {

namespace {

std::vector<void (*)()>& Finalizers() {
  static std::vector<void (*)()> list;
  return list;
}

}  // namespace

void RuntimeAddFinalizer(void (*finalizer)()) {
  auto& list = Finalizers();
  for (auto f : list) {
    if (f == finalizer) return;
  }
  list.push_back(finalizer);
}

void RunFinalizers() {
  auto& list = Finalizers();
  while (!list.empty()) {
    auto f = list.back();
    list.pop_back();
    f();
  }
}

}  // namespace fw
