// UTF-16 code unit counts of UTF-8 bytes, as DecodeUtf8 decodes them (each
// byte that is not part of a valid sequence is one unit), for the passes that
// work on a file's bytes but count and place as UTF-16 text does.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "text/ustring.h"

namespace sparlin {

// The length of the valid UTF-8 sequence that begins at `at`; 0 when the byte
// there does not begin one (a lone byte then decodes to one unit).
size_t Utf8SequenceLength(std::string_view bytes, size_t at);

// The number of UTF-16 code units that `bytes` decode to.
size_t Utf16Length(std::string_view bytes);

// The byte at which code unit `unit` begins; the end of the bytes when they
// are shorter. A unit within a surrogate pair counts as beginning behind the
// pair's sequence.
size_t ByteOfUnit(std::string_view bytes, size_t unit);

// A UTF-16 text searched for in UTF-8 bytes. Its bytes are searched; a match
// counts only where the bytes decode as the text does: a byte that the text
// holds as a lone unit (a byte that was not UTF-8) must not begin a valid
// sequence there, or its decoding would differ. The text must begin and end
// with ASCII characters or such lone bytes for matches to fall on whole
// characters; every searched form of the passes does.
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
