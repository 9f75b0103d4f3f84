// Counting the references to every procedure name in one scan of the text.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "text/utf8_pieces.h"
#include "text/ustring.h"

namespace sparlin {

// For each of `names`: the occurrences of name + "(", "@" + name + "(",
// name + " (" and "@" + name + " (" in `text`, ignoring letter case, summed.
// Each form is counted as a plain substring count of the lower-case text
// would count it: an "@" reference counts twice, and a name that ends a
// longer name counts too. The names hold no "(" (a definition's name is
// taken from before its first "("), so a form holds "(" only at its end and
// two of its occurrences never overlap.
// `text` is the bytes of a text in `form` (utf8_pieces.h); letter case and
// the names are compared in UTF-16 code units, as in the decoded text.
std::vector<int64_t> CountProcedureReferences(std::string_view text, Utf8Form form, const std::vector<UString>& names);

}  // namespace sparlin
