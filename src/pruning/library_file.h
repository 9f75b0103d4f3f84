// Reading a runtime library file of the compiler installation: the function
// names stand as lines between the first and the second line holding "ERUP",
// among binary noise that the cleaning rules throw away.
#pragma once

#include <string_view>
#include <vector>

#include "text/ustring.h"

namespace sparlin {

// Lines end at "\n", "\r" (with a following "\n"), a zero byte or the end.
std::vector<std::string_view> SplitLibraryLines(std::string_view bytes);

// One candidate line (trimmed of blanks) after the cleaning rules; empty when
// the line is not a function name.
UString CleanLibraryCandidate(UString candidate);

// The cleaned, non-empty names between the first two "ERUP" lines, in file
// order (repeats included).
std::vector<UString> LibraryFunctionNames(std::string_view bytes);

}  // namespace sparlin
