#include "Delegate.h"

#include "Exceptions.h"
#include "Object.h"

namespace fw {

namespace detail {

void ThrowSignatureMismatch(std::string_view signature) {
  throw RuntimeException("Event arguments do not match the handler " + std::string(signature));
}

void ThrowArgumentClass() { throw IllegalCastException("An event argument is not of the handler's class"); }

}  // namespace detail

bool Delegate::operator==(const Delegate& other) const {
  return methodType_ == other.methodType_ && method_ == other.method_ && !target_.owner_before(other.target_) &&
         !other.target_.owner_before(target_);
}

void Delegate::InvokeErased(const ErasedArgs& args, void* result, const std::type_info& resultType) const {
  if (result && std::type_index(resultType) != resultType_) detail::ThrowSignatureMismatch(signature_);
  // The target stays alive for the call even if the handler drops its last other reference.
  std::shared_ptr<Object> target = target_.lock();
  if (!target) return;
  thunk_(*target, method_, args, result);
}

}  // namespace fw
