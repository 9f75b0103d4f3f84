// The literal pruning: every count, search and replacement a pass over the
// whole text. Tests run it beside the shipped pruning and compare the results.
#pragma once

#include <functional>
#include <vector>

#include "pruning/image_plugins.h"
#include "pruning/uncalled_removal.h"
#include "text/ustring.h"

namespace sparlin::oracle {

UString LiteralRemoveUncalledLibraries(std::vector<UString>& libraries, UString text, UStringView library_folder,
                                       const PruningSettings& settings, const PruningIo& io);

PluginGuard LiteralDetectPlugins(const std::vector<UString>& libraries, UStringView text, bool remove_by_extension,
                                 const std::function<void(const UString&)>& log);

}  // namespace sparlin::oracle
