#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "ClassInfo.h"

namespace fw {

// A settings block: entries back to back, each a property name in ASCII, one
// blank and the value in the width that the property's declared type fixes.
namespace settings {

struct Entry {
  std::string bytes;
};

Entry Integer(std::string_view name, std::int64_t value);
Entry Boolean(std::string_view name, bool value);
Entry String(std::string_view name, std::string_view value);
Entry Color(std::string_view name, std::uint32_t rgb);
Entry Single(std::string_view name, float value);
Entry Units(std::string_view name, FontUnits value);

std::string Block(std::initializer_list<Entry> entries);

}  // namespace settings

struct DecodedSetting {
  const PropertyInfo* property;
  PropertyValue value;
};

// Reads a whole block against the properties of `cls` and its ancestors.
// Raises RuntimeException for a name that the class does not declare as
// settable, a missing blank, or a value that runs past the end of the block.
std::vector<DecodedSetting> DecodeSettings(std::string_view block, const ClassInfo& cls);

// Applies a block to an object, entry by entry from the front; the block is
// read in full first, so a malformed block changes nothing.
void _SetProperties(Object& object, std::string_view block);

}  // namespace fw
