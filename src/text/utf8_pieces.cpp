#include "text/utf8_pieces.h"

#include <cstring>

#include "text/utf8_sequence.h"

namespace sparlin {
namespace {

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

Utf8Piece Utf8PieceAt(std::string_view bytes, size_t at, Utf8Form form) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  Utf8Piece piece;
  unsigned char b = p[at];
  piece.unit[0] = b < 0x80 ? b : static_cast<char16_t>(0xDC00 + b);
  if (b < 0x80) return piece;
  uint32_t cp = 0;
  size_t len = ReadUtf8Sequence(p, at, bytes.size(), cp);
  if (len == 0 || (IsSurrogate(cp) && form == Utf8Form::kFile)) return piece;
  piece.bytes = len;
  if (cp < 0x10000) {
    piece.unit[0] = static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    piece.units = 2;
    piece.unit[0] = static_cast<char16_t>(0xD800 + (cp >> 10));
    piece.unit[1] = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  }
  return piece;
}

Utf8Piece Utf8PieceBefore(std::string_view bytes, size_t end, Utf8Form form) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  unsigned char last = p[end - 1];
  if (IsContinuation(last)) {
    // A byte that is no continuation always starts a piece, so the piece
    // that ends here starts at the nearest such byte, if that one's piece
    // is a valid sequence reaching exactly here.
    for (size_t k = 2; k <= 4 && k <= end; ++k) {
      if (IsContinuation(p[end - k])) continue;
      Utf8Piece piece = Utf8PieceAt(bytes, end - k, form);
      if (piece.bytes == k) return piece;
      break;
    }
  }
  Utf8Piece piece;
  piece.unit[0] = last < 0x80 ? last : static_cast<char16_t>(0xDC00 + last);
  return piece;
}

size_t Utf16UnitCount(std::string_view bytes, Utf8Form form) {
  size_t units = 0;
  size_t i = 0;
  while (i < bytes.size()) {
    uint64_t eight;
    if (i + 8 <= bytes.size() && (std::memcpy(&eight, bytes.data() + i, 8), (eight & 0x8080808080808080ull) == 0)) {
      units += 8;
      i += 8;
      continue;
    }
    Utf8Piece piece = Utf8PieceAt(bytes, i, form);
    units += static_cast<size_t>(piece.units);
    i += piece.bytes;
  }
  return units;
}

UString DecodeUtf8As(std::string_view bytes, Utf8Form form) {
  if (form == Utf8Form::kFile) return DecodeUtf8(bytes);
  UString text;
  text.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    Utf8Piece piece = Utf8PieceAt(bytes, i, form);
    text.append(piece.unit, static_cast<size_t>(piece.units));
    i += piece.bytes;
  }
  return text;
}

namespace {

// Writes UTF-16 code units, read one at a time by `unit(i)` for i below
// `count`, as bytes in the `kWithSurrogates` form.
template <typename Unit>
std::string UnitsAsBytes(size_t count, Unit unit) {
  std::string bytes;
  bytes.reserve(3 * count);
  auto put = [&bytes](uint32_t b) { bytes.push_back(static_cast<char>(b)); };
  for (size_t i = 0; i < count; ++i) {
    uint32_t c = unit(i);
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < count && unit(i + 1) >= 0xDC00 && unit(i + 1) < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00u);
      ++i;
    }
    if (c < 0x80) {
      put(c);
    } else if (c < 0x800) {
      put(0xC0 | (c >> 6));
      put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {  // lone surrogates too
      put(0xE0 | (c >> 12));
      put(0x80 | ((c >> 6) & 0x3F));
      put(0x80 | (c & 0x3F));
    } else {
      put(0xF0 | (c >> 18));
      put(0x80 | ((c >> 12) & 0x3F));
      put(0x80 | ((c >> 6) & 0x3F));
      put(0x80 | (c & 0x3F));
    }
  }
  return bytes;
}

}  // namespace

std::string Utf16AsBytes(UStringView text) {
  return UnitsAsBytes(text.size(), [text](size_t i) { return static_cast<uint32_t>(text[i]); });
}

std::string Utf16FileAsBytes(std::string_view bytes, bool big_endian) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t high = big_endian ? 0 : 1;
  return UnitsAsBytes(bytes.size() / 2, [p, high](size_t i) {
    return static_cast<uint32_t>(p[2 * i + high] << 8 | p[2 * i + 1 - high]);
  });
}

void AppendBytesAsUtf16(std::string& out, std::string_view bytes, Utf8Form form, bool big_endian) {
  out.reserve(out.size() + 2 * bytes.size());
  auto put = [&out, big_endian](char16_t unit) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out.push_back(big_endian ? high : low);
    out.push_back(big_endian ? low : high);
  };
  for (size_t i = 0; i < bytes.size();) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80) {
      put(byte);
      ++i;
      continue;
    }
    Utf8Piece piece = Utf8PieceAt(bytes, i, form);
    for (int k = 0; k < piece.units; ++k) put(piece.unit[k]);
    i += piece.bytes;
  }
}

size_t ByteOfUnit(std::string_view bytes, size_t unit) {
  size_t units = 0;
  size_t i = 0;
  while (i < bytes.size() && units < unit) {
    Utf8Piece piece = Utf8PieceAt(bytes, i, Utf8Form::kFile);
    units += static_cast<size_t>(piece.units);
    i += piece.bytes;
  }
  return i;
}

namespace {

// A byte that begins no valid sequence there: DecodeUtf8 reads it as a lone unit.
bool IsLoneByte(std::string_view bytes, size_t at) {
  if (static_cast<unsigned char>(bytes[at]) < 0x80) return false;
  Utf8Piece piece = Utf8PieceAt(bytes, at, Utf8Form::kFile);
  return piece.bytes == 1;
}

}  // namespace

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
    for (size_t offset : lone_bytes_) decodes_alike = decodes_alike && IsLoneByte(text, at + offset);
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
