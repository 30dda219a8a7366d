#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "Color.h"
#include "Delegate.h"
#include "EventTable.h"
#include "Ref.h"

namespace fw {

class Object;

enum class FontUnits : std::uint8_t { Default = 0, Pixel = 1, Point = 2, Inch = 3, Millimeter = 4 };

// The declared type of a property, which fixes how a settings block encodes its value.
enum class PropertyType { Integer, Boolean, String, Color, Single, FontUnits, Object };

using PropertyValue = std::variant<std::int64_t, bool, std::string, Color, float, FontUnits>;

struct PropertyInfo {
  std::string_view name;
  PropertyType type;
  void (*set)(Object&, const PropertyValue&) = nullptr;  // nullptr: not settable by a block
  std::string_view attributes{};
};

struct MethodInfo {
  std::string_view name;
  std::string_view signature;
  std::string_view attributes{};
};

// A handler that a class names for one of its events; it reaches every instance.
struct ClassEventHandler {
  int position;  // the event's flat position
  void (*invoke)(Object&, const ErasedArgs&);
};

struct ClassInfo {
  std::string_view name;  // the full name: "Window", "win_MainWindow.win_MainWindow"
  const ClassInfo* base;
  std::span<const PropertyInfo> properties{};
  std::span<const EventInfo> events{};
  std::span<const MethodInfo> methods{};
  std::span<const std::string_view> interfaces{};
  std::span<const ClassEventHandler> eventHandlers{};
  Ref<Object> (*create)() = nullptr;  // nullptr for a class that cannot be instantiated
};

// Flat event list: the ancestors' events first, counted from 0.
int EventCount(const ClassInfo& cls);
// The position of "Class.Event", where Class is `cls` or one of its ancestors.
int EventPosition(const ClassInfo& cls, std::string_view qualifiedName);
std::string EventNameAt(const ClassInfo& cls, int position);
// Properties of the class and its ancestors, names compared without regard to case.
const PropertyInfo* FindProperty(const ClassInfo& cls, std::string_view name);
bool IsA(const ClassInfo& cls, const ClassInfo& ancestor);
const ClassEventHandler* FindClassEventHandler(const ClassInfo& cls, int position);

template <class T>
struct PropertyTypeOf;
template <>
struct PropertyTypeOf<std::int64_t> {
  static constexpr PropertyType value = PropertyType::Integer;
};
template <>
struct PropertyTypeOf<bool> {
  static constexpr PropertyType value = PropertyType::Boolean;
};
template <>
struct PropertyTypeOf<std::string> {
  static constexpr PropertyType value = PropertyType::String;
};
template <>
struct PropertyTypeOf<Color> {
  static constexpr PropertyType value = PropertyType::Color;
};
template <>
struct PropertyTypeOf<float> {
  static constexpr PropertyType value = PropertyType::Single;
};
template <>
struct PropertyTypeOf<FontUnits> {
  static constexpr PropertyType value = PropertyType::FontUnits;
};

template <class M>
struct SetterTraits;
template <class C, class A>
struct SetterTraits<void (C::*)(A)> {
  using Class = C;
  using Arg = std::remove_cvref_t<A>;
};

template <auto Setter>
void ApplySetter(Object& object, const PropertyValue& value) {
  using Traits = SetterTraits<decltype(Setter)>;
  (static_cast<typename Traits::Class&>(object).*Setter)(std::get<typename Traits::Arg>(value));
}

// One row of a class's property table, its declared type taken from the setter.
template <auto Setter>
constexpr PropertyInfo Property(std::string_view name, std::string_view attributes = {}) {
  using Arg = typename SetterTraits<decltype(Setter)>::Arg;
  return {name, PropertyTypeOf<Arg>::value, &ApplySetter<Setter>, attributes};
}

// A property that no settings block sets (a plain field or a read-only value).
constexpr PropertyInfo Field(std::string_view name, PropertyType type, std::string_view attributes = {}) {
  return {name, type, nullptr, attributes};
}

template <class M>
struct MemberOf;
template <class C, class R, class... A>
struct MemberOf<R (C::*)(A...)> {
  using Class = C;
};

template <auto Method>
void InvokeClassHandler(Object& self, const ErasedArgs& args) {
  using C = typename MemberOf<decltype(Method)>::Class;
  CallWithErasedArgs(static_cast<C&>(self), Method, args);
}

// A row of a class's event-handler table: `Method` handles `event` ("Window.Open"),
// an event of the method's class, found in its table when the row compiles.
template <auto Method>
consteval ClassEventHandler HandlesEvent(std::string_view event) {
  using C = typename MemberOf<decltype(Method)>::Class;
  return {EventPositionOf(C::kEventTable, event), &InvokeClassHandler<Method>};
}

template <class T>
Ref<Object> Create() {
  return std::make_shared<T>();
}

}  // namespace fw
