#include "ClassInfo.h"

#include <algorithm>
#include <cctype>

#include "Exceptions.h"

namespace fw {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

// The part of a full name after the module's point: "win_MainWindow.win_MainWindow" -> "win_MainWindow".
std::string_view ShortName(std::string_view fullName) {
  auto dot = fullName.rfind('.');
  return dot == std::string_view::npos ? fullName : fullName.substr(dot + 1);
}

}  // namespace

int EventCount(const ClassInfo& cls) {
  return static_cast<int>(cls.events.size()) + (cls.base ? EventCount(*cls.base) : 0);
}

int EventPosition(const ClassInfo& cls, std::string_view qualifiedName) {
  auto dot = qualifiedName.rfind('.');
  std::string_view owner = qualifiedName.substr(0, dot == std::string_view::npos ? 0 : dot);
  std::string_view event = qualifiedName.substr(dot == std::string_view::npos ? 0 : dot + 1);
  for (const ClassInfo* c = &cls; c; c = c->base) {
    if (!owner.empty() && ShortName(c->name) != owner) continue;
    for (std::size_t i = 0; i < c->events.size(); ++i) {
      if (c->events[i].name == event) {
        return (c->base ? EventCount(*c->base) : 0) + static_cast<int>(i);
      }
    }
    if (!owner.empty()) break;
  }
  throw RuntimeException("No event " + std::string(qualifiedName) + " in " + std::string(cls.name));
}

std::string EventNameAt(const ClassInfo& cls, int position) {
  int first = cls.base ? EventCount(*cls.base) : 0;
  if (position >= first && position < first + static_cast<int>(cls.events.size())) {
    return std::string(ShortName(cls.name)) + "." + std::string(cls.events[position - first].name);
  }
  if (position < first && cls.base) return EventNameAt(*cls.base, position);
  return {};
}

const PropertyInfo* FindProperty(const ClassInfo& cls, std::string_view name) {
  for (const ClassInfo* c = &cls; c; c = c->base) {
    for (const PropertyInfo& p : c->properties) {
      if (EqualsIgnoringCase(p.name, name)) return &p;
    }
  }
  return nullptr;
}

bool IsA(const ClassInfo& cls, const ClassInfo& ancestor) {
  for (const ClassInfo* c = &cls; c; c = c->base) {
    if (c == &ancestor) return true;
  }
  return false;
}

const ClassEventHandler* FindClassEventHandler(const ClassInfo& cls, int position) {
  for (const ClassInfo* c = &cls; c; c = c->base) {
    for (const ClassEventHandler& h : c->eventHandlers) {
      if (EventPosition(cls, h.event) == position) return &h;
    }
  }
  return nullptr;
}

}  // namespace fw
