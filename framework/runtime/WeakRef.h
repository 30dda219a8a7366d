#pragma once

#include "Object.h"

namespace fw {

// A reference that does not keep its target alive; Value is nil once the target is gone.
class WeakRef : public Object {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  WeakRef() = default;
  void Constructor(const Ref<Object>& target) { target_ = target; }
  Ref<Object> Value() const { return target_.lock(); }

 private:
  std::weak_ptr<Object> target_{};
};

}  // namespace fw
