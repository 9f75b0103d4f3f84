// UTF-16 code unit counts of UTF-8 bytes, as DecodeUtf8 decodes them (each
// byte that is not part of a valid sequence is one unit), for the passes that
// work on a file's bytes but count and place as UTF-16 text does.
#pragma once

#include <cstddef>
#include <string_view>

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

// Whether position `end` is not inside a valid multi-byte sequence, so that
// a match ending there ends on a whole character.
bool EndsOnCharacter(std::string_view bytes, size_t end);

}  // namespace sparlin
