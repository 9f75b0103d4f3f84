// Static strings in the compiler's assembly are data-word lines:
//   label ": dw " comma-separated UTF-16 code units, the last one the terminator.
// A folder inside such a string is invisible to a plain text search, so these
// helpers turn the line back into text and write text back as a line.
#pragma once

#include <cstdint>

#include "text/ustring.h"

namespace sparlin {

// Reads one value as the assembler writes it: blanks and tabs skipped, an
// optional sign, then "$" hexadecimal, "%" binary or decimal digits up to the
// first other character. No digits read as 0.
int64_t ParseDataWordValue(UStringView field);

// The text spelled by the values of a data-word line (`line` already trimmed
// of blanks), without the terminator; empty for any other line.
UString DecodeDataWordLine(UStringView line);

// The line rewritten without `source_folder` (removed ignoring letter case),
// in canonical form: label ": dw ", decimal values each followed by ",", then
// "0". Empty when `line` is not a data-word line or its text does not contain
// the folder with exactly that letter case; the caller then keeps its line.
UString StripFolderFromDataWordLine(UStringView line, UStringView source_folder);

}  // namespace sparlin
