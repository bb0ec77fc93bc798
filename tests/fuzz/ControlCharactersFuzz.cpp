#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "feedback/ControlCharacters.h"

namespace {

// Whether the bytes hold a C0 control, DEL, or the UTF-8 of a C1 control (C2 80-C2 9F).
bool holdsControlBytes(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) return true;
    if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F &&
        static_cast<unsigned char>(text[i + 1]) >= 0x80)
      return true;
  }
  return false;
}

}  // namespace

// Names and titles from outside, made safe to show: whatever the bytes, the result holds no
// control, and showing it again changes nothing (it is valid UTF-8 without anything to
// replace).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string blanked = vorlent::withControlsBlanked(text);
  const std::string marked = vorlent::withControlsMarked(text);
  if (holdsControlBytes(blanked) || holdsControlBytes(marked)) __builtin_trap();
  if (vorlent::withControlsBlanked(blanked) != blanked) __builtin_trap();
  if (vorlent::withControlsMarked(marked) != marked) __builtin_trap();
  // Every character kept or replaced by one mark of three bytes: never shorter.
  if (marked.size() < size) __builtin_trap();
  return 0;
}
