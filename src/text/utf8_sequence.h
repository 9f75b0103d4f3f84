// One UTF-8 sequence read from bytes, as DecodeUtf8 reads it: the code
// point and the length of a well-formed sequence, or 0 for a byte that does
// not begin one. Surrogate code points are returned as read; whether they
// count as valid is the caller's rule.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sparlin {

inline size_t ReadUtf8Sequence(const unsigned char* p, size_t at, size_t n, uint32_t& cp) {
  unsigned char b = p[at];
  if (b < 0x80) {
    cp = b;
    return 1;
  }
  size_t len = 0;
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
  // Overlong forms and values past U+10FFFF are not UTF-8.
  return cp < min || cp > 0x10FFFF ? 0 : len;
}

inline bool IsSurrogate(uint32_t cp) { return cp >= 0xD800 && cp < 0xE000; }

}  // namespace sparlin
