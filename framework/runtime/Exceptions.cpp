#include "Exceptions.h"

#include "ClassInfo.h"

namespace fw {

const ClassInfo& RuntimeException::Description() {
  static const ClassInfo info{.name = "RuntimeException", .base = &Object::Description()};
  return info;
}
const ClassInfo& RuntimeException::Class() const { return Description(); }

const ClassInfo& NilObjectException::Description() {
  static const ClassInfo info{.name = "NilObjectException", .base = &RuntimeException::Description()};
  return info;
}
const ClassInfo& NilObjectException::Class() const { return Description(); }

const ClassInfo& IllegalCastException::Description() {
  static const ClassInfo info{.name = "IllegalCastException", .base = &RuntimeException::Description()};
  return info;
}
const ClassInfo& IllegalCastException::Class() const { return Description(); }

const ClassInfo& ThreadAccessingUIException::Description() {
  static const ClassInfo info{.name = "ThreadAccessingUIException", .base = &RuntimeException::Description()};
  return info;
}
const ClassInfo& ThreadAccessingUIException::Class() const { return Description(); }
ThreadAccessingUIException::ThreadAccessingUIException()
    : RuntimeException(
          "A thread has attempted to manipulate a user interface element. This can only be done from the "
          "application's main thread.") {}

}  // namespace fw
