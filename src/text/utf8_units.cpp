#include "text/utf8_units.h"

#include <cstdint>
#include <cstring>

namespace sparlin {

size_t Utf8SequenceLength(std::string_view bytes, size_t at) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  unsigned char b = p[at];
  if (b < 0x80) return 1;
  size_t len = 0;
  uint32_t cp = 0;
  uint32_t min = 0;
  if (b >= 0xC2 && b <= 0xDF) {
    len = 2, cp = b & 0x1F, min = 0x80;
  } else if (b >= 0xE0 && b <= 0xEF) {
    len = 3, cp = b & 0x0F, min = 0x800;
  } else if (b >= 0xF0 && b <= 0xF4) {
    len = 4, cp = b & 0x07, min = 0x10000;
  }
  if (len == 0 || at + len > n) return 0;
  for (size_t k = 1; k < len; ++k) {
    if ((p[at + k] & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (p[at + k] & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not valid UTF-8.
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return 0;
  return len;
}

size_t Utf16Length(std::string_view bytes) {
  size_t units = 0;
  size_t i = 0;
  while (i < bytes.size()) {
    uint64_t eight;
    if (i + 8 <= bytes.size() && (std::memcpy(&eight, bytes.data() + i, 8), (eight & 0x8080808080808080ull) == 0)) {
      units += 8;
      i += 8;
      continue;
    }
    size_t len = Utf8SequenceLength(bytes, i);
    units += len == 4 ? 2 : 1;
    i += len == 0 ? 1 : len;
  }
  return units;
}

size_t ByteOfUnit(std::string_view bytes, size_t unit) {
  size_t units = 0;
  size_t i = 0;
  while (i < bytes.size() && units < unit) {
    size_t len = Utf8SequenceLength(bytes, i);
    units += len == 4 ? 2 : 1;
    i += len == 0 ? 1 : len;
  }
  return i;
}

bool EndsOnCharacter(std::string_view bytes, size_t end) {
  if (end >= bytes.size() || (static_cast<unsigned char>(bytes[end]) & 0xC0) != 0x80) return true;
  // A continuation byte: inside a sequence when a valid one begins up to
  // three bytes before and reaches past `end`.
  for (size_t back = 1; back <= 3 && back <= end; ++back) {
    size_t len = Utf8SequenceLength(bytes, end - back);
    if (len > back) return false;
    if ((static_cast<unsigned char>(bytes[end - back]) & 0xC0) != 0x80) break;
  }
  return true;
}

}  // namespace sparlin
