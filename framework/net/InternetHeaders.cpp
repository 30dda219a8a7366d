#include "InternetHeaders.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "../runtime/ClassInfo.h"
#include "LineEnd.h"

namespace fw {

namespace {

constexpr MethodInfo kMethods[] = {
    {"Count", "(  ) as Integer"},      {"Name", "( Integer ) as String"},  {"SetHeader", "( String, String )"},
    {"Value", "( String ) as String"}, {"Value", "( Integer ) as String"},
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

const ClassInfo& InternetHeaders::Description() {
  static const ClassInfo info{.name = "InternetHeaders",
                              .base = &Object::Description(),
                              .methods = kMethods,
                              .create = &Create<InternetHeaders>};
  return info;
}
const ClassInfo& InternetHeaders::Class() const { return Description(); }

InternetHeaders::InternetHeaders(std::string_view lines) {
  const std::string_view lineEnd = ChooseLineEnd(lines);
  Entries::iterator last = entries_.end();
  while (!lines.empty()) {
    const std::size_t end = lines.find(lineEnd);
    const std::string_view line = lines.substr(0, end);
    lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + lineEnd.size());
    if (!line.empty() && IsBlank(line.front())) {
      if (last != entries_.end()) last->second.append(" ").append(Trim(line));
      continue;
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    last = entries_.emplace(std::string(Trim(line.substr(0, colon))), std::string(Trim(line.substr(colon + 1))));
  }
}

void InternetHeaders::SetHeader(std::string_view name, std::string_view value) {
  auto [first, end] = entries_.equal_range(name);
  entries_.erase(first, end);
  entries_.emplace(std::string(name), std::string(value));
}

std::string InternetHeaders::Value(std::string_view name) const {
  auto [first, end] = entries_.equal_range(name);
  return first == end ? std::string() : first->second;
}

std::string InternetHeaders::NameAt(std::int64_t index) const {
  auto it = At(index);
  return it == entries_.end() ? std::string() : it->first;
}

std::string InternetHeaders::ValueAt(std::int64_t index) const {
  auto it = At(index);
  return it == entries_.end() ? std::string() : it->second;
}

InternetHeaders::Entries::const_iterator InternetHeaders::At(std::int64_t index) const {
  if (index < 0 || index >= Count()) return entries_.end();
  return std::next(entries_.begin(), index);
}

bool InternetHeaders::LessIgnoringCase::operator()(std::string_view a, std::string_view b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace fw
