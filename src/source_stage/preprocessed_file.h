// Reading and writing the preprocessed file in the source's encoding, shared
// by the encoding step and the two removal passes.
#pragma once

#include <string>
#include <vector>

#include "text/ustring.h"

namespace sparlin {

// The text of the file's bytes: a byte-order mark is skipped and decides the
// decoding; without one, `format` decides (the "Ascii" kind and UTF-8 decode
// as UTF-8, losslessly).
UString DecodePreprocessed(std::string_view bytes, TextEncoding format);

// The file's new bytes: the mark of `format` (none for "Ascii"), then `text`
// followed by "\r\n", in the encoding that the mark names.
std::string EncodePreprocessed(UStringView text, TextEncoding format);

// "Reading " / "Writing " + path + " was not successful..."
UString ReadingFailedText(UStringView path);
UString WritingFailedText(UStringView path);

}  // namespace sparlin
