#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>

namespace fw {

struct EventInfo {
  std::string_view name;
};

// A class's own events in order, after those of its base's table. Each class
// declares its table as a constant beside the class, so that the position of
// an event that code names is fixed, and checked, when that code compiles.
struct EventTable {
  std::string_view name;  // the class's name: "Window"
  const EventTable* base;
  std::span<const EventInfo> events{};
};

// The part of a full name after the module's point: "win_MainWindow.win_MainWindow" -> "win_MainWindow".
constexpr std::string_view ShortClassName(std::string_view fullName) {
  const auto dot = fullName.rfind('.');
  return dot == std::string_view::npos ? fullName : fullName.substr(dot + 1);
}

// The look-ups below serve an EventTable and a class description alike: each
// has a name, a base and its own events.
namespace event_lookup {

// Flat event list: the ancestors' events first, counted from 0.
template <class Table>
constexpr int Count(const Table& table) {
  return static_cast<int>(table.events.size()) + (table.base ? Count(*table.base) : 0);
}

// The position of "Class.Event", where Class is `table`'s class or one of its
// ancestors, or of a bare "Event", the nearest class's; -1 when there is none.
template <class Table>
constexpr int Position(const Table& table, std::string_view qualifiedName) {
  const auto dot = qualifiedName.rfind('.');
  const std::string_view owner = qualifiedName.substr(0, dot == std::string_view::npos ? 0 : dot);
  const std::string_view event = qualifiedName.substr(dot == std::string_view::npos ? 0 : dot + 1);
  for (const Table* t = &table; t; t = t->base) {
    if (!owner.empty() && ShortClassName(t->name) != owner) continue;
    for (std::size_t i = 0; i < t->events.size(); ++i) {
      if (t->events[i].name == event) return (t->base ? Count(*t->base) : 0) + static_cast<int>(i);
    }
    if (!owner.empty()) break;
  }
  return -1;
}

// NOTE: not constexpr, and never defined: a constant look-up that reaches it
// does not compile, and the compiler names it in its message.
void NoSuchEventInTheClassTable();

}  // namespace event_lookup

constexpr int EventCountOf(const EventTable& table) { return event_lookup::Count(table); }

// The flat position of "Class.Event" (see event_lookup::Position), computed
// when the code compiles: a name that the table does not hold is a compile error.
consteval int EventPositionOf(const EventTable& table, std::string_view qualifiedName) {
  const int position = event_lookup::Position(table, qualifiedName);
  if (position < 0) event_lookup::NoSuchEventInTheClassTable();
  return position;
}

// True when `qualifiedNames` are the table's whole flat list, in order: for
// pinning down a list that other code relies on.
consteval bool HasEventsInOrder(const EventTable& table, std::initializer_list<std::string_view> qualifiedNames) {
  int position = 0;
  for (std::string_view name : qualifiedNames) {
    if (event_lookup::Position(table, name) != position++) return false;
  }
  return position == EventCountOf(table);
}

}  // namespace fw
