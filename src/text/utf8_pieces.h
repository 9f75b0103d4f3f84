// UTF-8 bytes read as DecodeUtf8 reads them, one piece at a time, without
// decoding the whole text: the passes that work on a file's bytes use it
// where a rule is defined on UTF-16 code units (letter case, unit counts,
// names shown to the user).
//
// A piece is a valid sequence, or one byte that is not part of one (read as
// the unit U+DC00 + byte, which EncodeUtf8 turns back into that byte). The
// form `kWithSurrogates` also reads a three-byte surrogate (ED A0..BF xx) as
// that surrogate: it is the form in which the text of a UTF-16 or UTF-32
// file is held as bytes (Utf16AsBytes), lone surrogates included, so that
// such a text comes back unchanged.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/ustring.h"

namespace sparlin {

enum class Utf8Form { kFile, kWithSurrogates };

struct Utf8Piece {
  size_t bytes = 1;      // 1 to 4
  int units = 1;         // 1, or 2 for a surrogate pair
  char16_t unit[2] = {};  // in text order
};

// The piece that starts at `at` (< bytes.size(), where a piece starts).
Utf8Piece Utf8PieceAt(std::string_view bytes, size_t at, Utf8Form form);
// The piece that ends at `end` (> 0, where a piece ends: the end of the
// text, or a byte below 0x80, or a position reached by stepping back over
// whole pieces).
Utf8Piece Utf8PieceBefore(std::string_view bytes, size_t end, Utf8Form form);

// The number of UTF-16 code units the bytes decode to.
size_t Utf16UnitCount(std::string_view bytes, Utf8Form form);
// The text of the bytes (kFile: DecodeUtf8).
UString DecodeUtf8As(std::string_view bytes, Utf8Form form);
// A UTF-16 text in the `kWithSurrogates` form; DecodeUtf8As gives it back.
std::string Utf16AsBytes(UStringView text);
// The same straight from a UTF-16 file's bytes (after its mark; `big_endian`
// for FE FF): Utf16AsBytes(DecodeText(bytes, ...)) without the text between.
std::string Utf16FileAsBytes(std::string_view bytes, bool big_endian);
// Appends bytes in `form` to `out` as UTF-16 (little- or big-endian):
// EncodeText(DecodeUtf8As(bytes, form), ...) without the text between.
void AppendBytesAsUtf16(std::string& out, std::string_view bytes, Utf8Form form, bool big_endian);

// The byte at which UTF-16 code unit `unit` of the bytes (kFile) begins; the
// end of the bytes when they are shorter. A unit within a surrogate pair
// counts as beginning behind the pair's sequence.
size_t ByteOfUnit(std::string_view bytes, size_t unit);

// A UTF-16 text searched for in UTF-8 bytes (kFile). Its bytes are searched; a
// match counts only where the bytes decode as the text does: a byte that the
// text holds as a lone unit (a byte that was not UTF-8) must not begin a
// valid sequence there, or its decoding would differ. The text must begin
// and end with ASCII characters or such lone bytes for matches to fall on
// whole characters; every form that pruning searches for does.
class Utf8Pattern {
 public:
  explicit Utf8Pattern(UStringView text);
  const std::string& bytes() const { return bytes_; }
  // The first match at or after `from`; npos without one.
  size_t Find(std::string_view text, size_t from = 0) const;
  // Non-overlapping matches.
  size_t Count(std::string_view text) const;

 private:
  std::string bytes_;
  std::vector<size_t> lone_bytes_;  // offsets of the bytes held as lone units
};

}  // namespace sparlin
