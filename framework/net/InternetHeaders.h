#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "../runtime/Object.h"

namespace fw {

// A list of HTTP header lines: names with their values, kept in the order of
// the names (compared without regard to case). A received block may name a
// header more than once; each of its values is kept.
class InternetHeaders : public Object {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  InternetHeaders() = default;
  // Takes received header lines apart, one header per line: the name before
  // the first ":", the value after it without surrounding blanks. A line that
  // begins with a blank continues the header before it; a line without ":"
  // is skipped.
  explicit InternetHeaders(std::string_view lines);

  // Replaces every value that the name has.
  void SetHeader(std::string_view name, std::string_view value);
  // The name's first value; empty when the list does not have the name.
  std::string Value(std::string_view name) const;

  std::int64_t Count() const { return static_cast<std::int64_t>(entries_.size()); }
  // The name and the value of the line at `index` in list order; empty out of range.
  std::string NameAt(std::int64_t index) const;
  std::string ValueAt(std::int64_t index) const;

 private:
  struct LessIgnoringCase {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };
  using Entries = std::multimap<std::string, std::string, LessIgnoringCase>;

  Entries::const_iterator At(std::int64_t index) const;

  Entries entries_{};
};

}  // namespace fw
