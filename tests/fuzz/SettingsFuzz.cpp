// libFuzzer entry for settings blocks: any bytes, read as a class name, a NUL
// and a block. The block is decoded against the class and applied to a fresh
// object of it, created by a window as the window's own controls are.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "FuzzedClasses.h"
#include "runtime/Exceptions.h"
#include "runtime/Runtime.h"
#include "runtime/Settings.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// The bytes that an entry with this value takes after its name and blank.
std::size_t ValueWidth(const fw::PropertyValue& value) {
  struct Width {
    std::size_t operator()(std::int64_t) const { return 8; }
    std::size_t operator()(bool) const { return 1; }
    std::size_t operator()(const std::string& s) const { return 4 + s.size(); }
    std::size_t operator()(fw::Color) const { return 4; }
    std::size_t operator()(float) const { return 4; }
    std::size_t operator()(fw::FontUnits) const { return 1; }
  };
  return std::visit(Width{}, value);
}

// The window that creates each object; it holds the control that a block's
// InitialParent may name.
fw::Ref<fw::Window> host;

// Qt's objects must go before Qt's own exit handlers run.
void TearDown() {
  host.reset();
  fw::RuntimeExit();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  fw::RuntimeInit((*argv)[0]);
  host = std::make_shared<fw::Window>();
  host->_AddControl("rct_OnAirLight", host->__New(fw::Rectangle::Description()));
  // The first text control loads Qt's fonts, whose exit handlers must be
  // registered before the teardown so that they run after it.
  host->__New(fw::Label::Description());
  std::atexit(&TearDown);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view data(reinterpret_cast<const char*>(bytes), size);
  const std::size_t nul = data.find('\0');
  const fw::ClassInfo* cls = fuzz::ClassNamed(data.substr(0, nul));
  if (nul == std::string_view::npos || !cls) return -1;
  const std::string_view block = data.substr(nul + 1);

  bool decoded = true;
  try {
    // Every byte of a block that decodes belongs to exactly one entry.
    std::size_t covered = 0;
    for (const fw::DecodedSetting& s : fw::DecodeSettings(block, *cls)) {
      covered += s.property->name.size() + 1 + ValueWidth(s.value);
    }
    Require(covered == block.size());
  } catch (const fw::RuntimeException&) {
    decoded = false;
  }

  fw::Ref<fw::Object> object = host->__New(*cls);
  bool applied = true;
  try {
    fw::_SetProperties(*object, block);
  } catch (const fw::RuntimeException&) {
    // A block that does not decode, or a setter refusing its value (an unknown InitialParent).
    applied = false;
  }
  Require(decoded || !applied);
  return 0;
}
