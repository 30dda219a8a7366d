#include "Object.h"

#include <algorithm>

#include "ClassInfo.h"
#include "Exceptions.h"

namespace fw {

const ClassInfo& Object::Description() {
  static const ClassInfo info{.name = "Object", .base = nullptr, .create = &Create<Object>};
  return info;
}

const ClassInfo& Object::Class() const { return Description(); }

void Object::AddEventHandler(int position, Delegate delegate) {
  if (position < 0 || position >= EventCount(Class())) {
    throw RuntimeException("No event at position " + std::to_string(position) + " of " + std::string(Class().name));
  }
  if (HasEventHandler(position)) {
    throw RuntimeException("The event " + EventNameAt(Class(), position) + " already has a handler");
  }
  handlers_.emplace_back(position, std::move(delegate));
}

void Object::RemoveEventHandler(int position, const Delegate& delegate) {
  std::erase_if(handlers_, [&](const auto& h) { return h.first == position && h.second == delegate; });
}

bool Object::HasEventHandler(int position) const {
  return std::any_of(handlers_.begin(), handlers_.end(), [&](const auto& h) { return h.first == position; });
}

void Object::RaiseErased(int position, const ErasedArgs& args) {
  if (const ClassEventHandler* handler = FindClassEventHandler(Class(), position)) {
    handler->invoke(*this, args);
    return;
  }
  auto it = std::find_if(handlers_.begin(), handlers_.end(), [&](const auto& h) { return h.first == position; });
  if (it == handlers_.end()) return;
  // NOTE: the handler may detach itself; call a copy.
  Delegate delegate = it->second;
  delegate.InvokeErased(args, nullptr, typeid(void));
}

}  // namespace fw
