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

}  // namespace

int EventCount(const ClassInfo& cls) { return event_lookup::Count(cls); }

int EventPosition(const ClassInfo& cls, std::string_view qualifiedName) {
  const int position = event_lookup::Position(cls, qualifiedName);
  if (position < 0) {
    throw RuntimeException("No event " + std::string(qualifiedName) + " in " + std::string(cls.name));
  }
  return position;
}

std::string EventNameAt(const ClassInfo& cls, int position) {
  int first = cls.base ? EventCount(*cls.base) : 0;
  if (position >= first && position < first + static_cast<int>(cls.events.size())) {
    return std::string(ShortClassName(cls.name)) + "." + std::string(cls.events[position - first].name);
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
      if (h.position == position) return &h;
    }
  }
  return nullptr;
}

}  // namespace fw
