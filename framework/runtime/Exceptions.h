#pragma once

#include <exception>
#include <string>

#include "Object.h"

namespace fw {

// Exceptions are objects of the runtime too: they are thrown by value, and a
// handler that catches one can hand that very object on as a counted reference
// that keeps the in-flight exception alive.
class RuntimeException : public Object, public std::exception {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  RuntimeException() = default;
  explicit RuntimeException(std::string message) : message_(std::move(message)) {}
  // Exceptions travel by value; the copy is a new object with the same message.
  RuntimeException(const RuntimeException& other) : Object(), std::exception(other), message_(other.message_) {}

  const std::string& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

class NilObjectException : public RuntimeException {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override;
  using RuntimeException::RuntimeException;
};

class IllegalCastException : public RuntimeException {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override;
  using RuntimeException::RuntimeException;
};

class ThreadAccessingUIException : public RuntimeException {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override;
  ThreadAccessingUIException();
};

// Uses of a nil reference raise NilObjectException.
template <class T>
T& Deref(const Ref<T>& ref) {
  if (!ref) throw NilObjectException();
  return *ref;
}

}  // namespace fw
