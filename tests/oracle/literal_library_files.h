// Reading a runtime library file's function names, step by step as the
// rules read: split the bytes into lines, trim them, follow the "ERUP"
// marker lines, clean each candidate. Written apart from the program's own
// reader so that tests can compare the two.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "text/ustring.h"

namespace sparlin::oracle {

// Whether the assembly declares a name (given without "PB_"). The program
// keeps a candidate that the assembly declares as it is, even where the
// capital-letter rule would empty it or take its blanks out ("NaN" is a real
// function once the assembly declares "PB_NaN"); an empty function declares
// nothing, and then the rule applies to every candidate.
using DeclaredName = std::function<bool(UStringView name)>;

// The lines of a library file: a line ends at "\n", at "\r" (a "\n" right
// after it belongs to the same line end), at a zero byte or at the end.
std::vector<std::string> LiteralLibraryLines(std::string_view bytes);

// One trimmed line that is a candidate, cleaned; empty when it is dropped.
UString LiteralCleanCandidate(UString candidate, const DeclaredName& declared = {});

// The cleaned names, in file order with repeats, of the lines read while the
// marker state is 1 (after the first line holding "ERUP", before the second).
std::vector<UString> LiteralLibraryNames(std::string_view bytes, const DeclaredName& declared = {});

// The names that `text` declares in one of the counted "extrn" forms of its
// bitness, found by searching the whole text for each form of "PB_" + name.
DeclaredName LiteralDeclaredNames(UStringView text, bool is_64_bit);

}  // namespace sparlin::oracle
