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

Utf8Pattern::Utf8Pattern(UStringView text) : bytes_(EncodeUtf8(text)) {
  size_t offset = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c >= 0xDC80 && c <= 0xDCFF) {
      lone_bytes_.push_back(offset);
      offset += 1;
    } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
      offset += 4;
      ++i;
    } else {
      offset += c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
    }
  }
}

size_t Utf8Pattern::Find(std::string_view text, size_t from) const {
  for (size_t at = text.find(bytes_, from); at != std::string_view::npos; at = text.find(bytes_, at + 1)) {
    bool decodes_alike = true;
    for (size_t offset : lone_bytes_) decodes_alike = decodes_alike && Utf8SequenceLength(text, at + offset) == 0;
    if (decodes_alike) return at;
  }
  return std::string_view::npos;
}

size_t Utf8Pattern::Count(std::string_view text) const {
  size_t count = 0;
  for (size_t at = Find(text); at != std::string_view::npos; at = Find(text, at + bytes_.size())) ++count;
  return count;
}

}  // namespace sparlin
