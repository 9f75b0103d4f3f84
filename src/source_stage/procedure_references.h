// Counting the references to every procedure name in one scan of the text.
#pragma once

#include <cstdint>
#include <vector>

#include "text/ustring.h"

namespace sparlin {

// For each of `names`: the occurrences of name + "(", "@" + name + "(",
// name + " (" and "@" + name + " (" in `text`, ignoring letter case, summed.
// Each form is counted as a plain substring count of the lower-case text
// would count it: an "@" reference counts twice, and a name that ends a
// longer name counts too. The names hold no "(" (a definition's name is
// taken from before its first "("), so a form holds "(" only at its end and
// two of its occurrences never overlap.
std::vector<int64_t> CountProcedureReferences(UStringView text, const std::vector<UString>& names);

}  // namespace sparlin
