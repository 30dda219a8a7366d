#include "Settings.h"

#include <bit>
#include <cstring>

#include "Exceptions.h"
#include "Object.h"

namespace fw {

namespace settings {

namespace {

template <class T>
void AppendLittleEndian(std::string& out, T value) {
  auto bits = static_cast<std::make_unsigned_t<T>>(value);
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
  }
}

Entry Named(std::string_view name, std::string value) {
  std::string bytes(name);
  bytes.push_back(' ');
  bytes += value;
  return {std::move(bytes)};
}

}  // namespace

Entry Integer(std::string_view name, std::int64_t value) {
  std::string v;
  AppendLittleEndian(v, value);
  return Named(name, std::move(v));
}

Entry Boolean(std::string_view name, bool value) { return Named(name, std::string(1, value ? '\1' : '\0')); }

Entry String(std::string_view name, std::string_view value) {
  std::string v;
  AppendLittleEndian(v, static_cast<std::uint32_t>(value.size()));
  v += value;
  return Named(name, std::move(v));
}

Entry Color(std::string_view name, std::uint32_t rgb) {
  std::string v;
  AppendLittleEndian(v, rgb & 0xFFFFFFu);
  return Named(name, std::move(v));
}

Entry Single(std::string_view name, float value) {
  std::string v;
  AppendLittleEndian(v, std::bit_cast<std::uint32_t>(value));
  return Named(name, std::move(v));
}

Entry Units(std::string_view name, FontUnits value) { return Named(name, std::string(1, static_cast<char>(value))); }

std::string Block(std::initializer_list<Entry> entries) {
  std::string block;
  for (const Entry& e : entries) block += e.bytes;
  return block;
}

}  // namespace settings

namespace {

class BlockReader {
 public:
  explicit BlockReader(std::string_view block) : block_(block) {}

  bool AtEnd() const { return pos_ == block_.size(); }

  std::string_view Name() {
    auto blank = block_.find(' ', pos_);
    if (blank == std::string_view::npos || blank == pos_) Fail("an entry without a name and a blank");
    std::string_view name = block_.substr(pos_, blank - pos_);
    pos_ = blank + 1;
    return name;
  }

  template <class T>
  T LittleEndian() {
    std::string_view bytes = Take(sizeof(T));
    std::make_unsigned_t<T> bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
      bits |= static_cast<std::make_unsigned_t<T>>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    }
    return static_cast<T>(bits);
  }

  std::string_view Take(std::size_t n) {
    if (block_.size() - pos_ < n) Fail("a value that runs past the end of the block");
    std::string_view bytes = block_.substr(pos_, n);
    pos_ += n;
    return bytes;
  }

  PropertyValue Value(PropertyType type) {
    switch (type) {
      case PropertyType::Integer: return LittleEndian<std::int64_t>();
      case PropertyType::Boolean: return LittleEndian<std::uint8_t>() != 0;
      case PropertyType::String: {
        auto length = LittleEndian<std::uint32_t>();
        return std::string(Take(length));
      }
      case PropertyType::Color: return Color{LittleEndian<std::uint32_t>() & 0xFFFFFFu};
      case PropertyType::Single: return std::bit_cast<float>(LittleEndian<std::uint32_t>());
      case PropertyType::FontUnits: return static_cast<FontUnits>(LittleEndian<std::uint8_t>());
      case PropertyType::Object: break;
    }
    Fail("a property whose type a block cannot hold");
  }

  [[noreturn]] void Fail(std::string_view what) const {
    throw RuntimeException("Settings block: " + std::string(what) + " at byte " + std::to_string(pos_));
  }

 private:
  std::string_view block_;
  std::size_t pos_ = 0;
};

}  // namespace

std::vector<DecodedSetting> DecodeSettings(std::string_view block, const ClassInfo& cls) {
  std::vector<DecodedSetting> decoded;
  BlockReader reader(block);
  while (!reader.AtEnd()) {
    std::string_view name = reader.Name();
    const PropertyInfo* property = FindProperty(cls, name);
    if (!property || !property->set) {
      throw RuntimeException("Settings block: " + std::string(cls.name) + " has no settable property " +
                             std::string(name));
    }
    decoded.push_back({property, reader.Value(property->type)});
  }
  return decoded;
}

void _SetProperties(Object& object, std::string_view block) {
  for (const DecodedSetting& setting : DecodeSettings(block, object.Class())) {
    setting.property->set(object, setting.value);
  }
}

}  // namespace fw
