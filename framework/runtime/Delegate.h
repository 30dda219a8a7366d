#pragma once

#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <utility>

namespace fw {

class Object;

namespace detail {

// Event arguments travel with every object reference widened to Ref<Object>,
// so that the code raising an event need not know the class that a handler
// takes its sender as; the handler's side narrows them again.
template <class P>
struct Erased {
  using type = P;
};
template <class X>
struct Erased<std::shared_ptr<X>> {
  using type = std::shared_ptr<Object>;
};
template <class P>
using ErasedT = typename Erased<std::remove_cvref_t<P>>::type;

template <class P>
struct IsRef : std::false_type {};
template <class X>
struct IsRef<std::shared_ptr<X>> : std::true_type {};

[[noreturn]] void ThrowSignatureMismatch(std::string_view signature);
[[noreturn]] void ThrowArgumentClass();

template <class P>
std::remove_cvref_t<P> Narrow(const ErasedT<P>& value) {
  using Param = std::remove_cvref_t<P>;
  if constexpr (IsRef<Param>::value) {
    auto narrowed = std::dynamic_pointer_cast<typename Param::element_type>(value);
    if (value && !narrowed) ThrowArgumentClass();
    return narrowed;
  } else {
    return value;
  }
}

}  // namespace detail

// A tuple of event arguments behind a type tag, so that one table can hold
// handlers of every signature.
struct ErasedArgs {
  std::type_index type;
  void* tuple;
};

template <class... A>
auto MakeEventArgs(A... args) {
  return std::tuple<detail::ErasedT<A>...>(std::move(args)...);
}

template <class... T>
ErasedArgs EraseArgs(std::tuple<T...>& tuple) {
  return {typeid(std::tuple<T...>), &tuple};
}

// Calls `method` on `self` with the arguments behind `args`.
template <class C, class R, class... A>
R CallWithErasedArgs(C& self, R (C::*method)(A...), const ErasedArgs& args) {
  using Tuple = std::tuple<detail::ErasedT<A>...>;
  if (args.type != std::type_index(typeid(Tuple))) detail::ThrowSignatureMismatch(typeid(Tuple).name());
  auto& tuple = *static_cast<Tuple*>(args.tuple);
  return [&]<std::size_t... I>(std::index_sequence<I...>)->R {
    return (self.*method)(detail::Narrow<A>(std::get<I>(tuple))...);
  }
  (std::index_sequence_for<A...>{});
}

// A method bound to a target object. The target is held weakly, so that a
// control never keeps its window alive through a handler. Two delegates on
// the same method and the same target compare equal, which lets a handler be
// detached with a delegate made anew.
class Delegate {
 public:
  template <class P, class T, class R, class... A>
  Delegate(const std::shared_ptr<P>& target, R (T::*method)(A...), std::string_view signature, int flag)
      : target_(std::static_pointer_cast<Object>(target)),
        methodType_(typeid(method)),
        resultType_(typeid(R)),
        signature_(signature),
        flag_(flag),
        thunk_(&Thunk<T, R, A...>) {
    static_assert(std::is_base_of_v<T, P>, "the method must belong to the target's class");
    static_assert(sizeof(method) <= sizeof(MethodBytes), "member pointer too large");
    std::memcpy(method_.data(), &method, sizeof(method));
  }

  bool operator==(const Delegate& other) const;

  int Flag() const { return flag_; }
  std::shared_ptr<Object> Target() const { return target_.lock(); }

  // Calls the method on its target; does nothing once the target is gone.
  // Arguments that do not fit the method raise RuntimeException.
  void InvokeErased(const ErasedArgs& args, void* result, const std::type_info& resultType) const;

  template <class... A>
  void Invoke(A... args) const {
    auto tuple = MakeEventArgs(std::move(args)...);
    InvokeErased(EraseArgs(tuple), nullptr, typeid(void));
  }

  // Calls a method that returns R; `fallback` when the target is gone.
  template <class R, class... A>
  R InvokeFor(R fallback, A... args) const {
    auto tuple = MakeEventArgs(std::move(args)...);
    R result = fallback;
    InvokeErased(EraseArgs(tuple), &result, typeid(R));
    return result;
  }

 private:
  using MethodBytes = std::array<unsigned char, 2 * sizeof(void*)>;
  using ThunkFn = void (*)(Object&, const MethodBytes&, const ErasedArgs&, void*);

  template <class T, class R, class... A>
  static void Thunk(Object& target, const MethodBytes& bytes, const ErasedArgs& args, void* result) {
    R (T::*method)(A...);
    std::memcpy(&method, bytes.data(), sizeof(method));
    auto& self = static_cast<T&>(target);
    if constexpr (std::is_void_v<R>) {
      CallWithErasedArgs(self, method, args);
    } else {
      R value = CallWithErasedArgs(self, method, args);
      if (result) *static_cast<R*>(result) = value;
    }
  }

  std::weak_ptr<Object> target_;
  std::type_index methodType_;
  std::type_index resultType_;
  MethodBytes method_{};
  std::string_view signature_;  // always a literal
  int flag_;
  ThunkFn thunk_;
};

}  // namespace fw
