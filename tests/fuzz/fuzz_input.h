// Cutting one fuzz input into the parts a target needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "text/text_ops.h"
#include "text/ustring.h"

namespace sparlin::fuzz {

inline std::string_view AsBytes(const uint8_t* data, size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

// The first byte (0 when there is none) and the bytes after it.
inline std::pair<uint8_t, std::string_view> TakeByte(std::string_view bytes) {
  if (bytes.empty()) return {0, bytes};
  return {static_cast<uint8_t>(bytes.front()), bytes.substr(1)};
}

// The bytes up to the first "\n" and the bytes after it.
inline std::pair<std::string_view, std::string_view> TakeLine(std::string_view bytes) {
  size_t end = bytes.find('\n');
  if (end == std::string_view::npos) return {bytes, {}};
  return {bytes.substr(0, end), bytes.substr(end + 1)};
}

// A file's lines as the passes get them: UTF-8 decoded, line ends removed.
inline std::vector<UString> TextLines(std::string_view bytes) { return SplitLines(DecodeUtf8(bytes)); }

}  // namespace sparlin::fuzz
