// Reading values from the IDE option lines of a source text.
#pragma once

#include "text/ustring.h"

namespace sparlin {

// The text from `from` up to, not including, the next "\r" or "\n" (or to the
// end of the text). Ending at a lone "\n" as well keeps a source saved with
// LF line ends from giving a value that runs over all following lines.
UString RestOfLine(UStringView text, size_t from);

// The value of an option line found at `match`: the rest of the line that
// begins `offset` characters after the match; empty past the end of the text.
UString ValueAfter(UStringView text, size_t match, size_t offset);

}  // namespace sparlin
