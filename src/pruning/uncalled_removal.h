// Removal of uncalled runtime functions and libraries from the assembly text:
// learns from the installation's library files which symbols belong to which
// library, counts the assembly's references to each, comments out the
// declarations of symbols that are never called, and drops a library from the
// header when nothing of it is used but its own start-up or clean-up code.
//
// The text is the file's UTF-8 bytes, edited where it stands (indexed_text.h);
// the steps themselves are in removal_rules.h.
#pragma once

#include <string>
#include <vector>

#include "core/build_state.h"
#include "pruning/removal_rules.h"
#include "text/ustring.h"

namespace sparlin {

// Returns the pruned text; deletes the dropped libraries from `libraries`.
std::string RemoveUncalledLibraries(std::vector<UString>& libraries, std::string text, UStringView library_folder,
                                    const PruningSettings& settings, const PruningIo& io);

// The same with the build's settings, run log, progress bar and tone.
std::string RemoveUncalledLibraries(BuildContext& ctx, std::vector<UString>& libraries, std::string text,
                                    UStringView library_folder);

}  // namespace sparlin
