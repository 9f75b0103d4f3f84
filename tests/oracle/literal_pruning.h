// The literal pruning: the removal steps run on a text that is UTF-16, as
// the program's text once was, where every count, search and replacement is
// a pass over the whole text. Tests run it beside the shipped pruning and
// compare the results.
#pragma once

#include <vector>

#include "pruning/removal_rules.h"
#include "text/ustring.h"

namespace sparlin::oracle {

UString LiteralRemoveUncalledLibraries(std::vector<UString>& libraries, UString text, UStringView library_folder,
                                       const PruningSettings& settings, const PruningIo& io);

}  // namespace sparlin::oracle
