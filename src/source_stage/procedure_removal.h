// Deletes the procedures of the preprocessed file that nothing refers to.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/build_state.h"
#include "source_stage/working_text.h"

namespace sparlin {

struct ProcedureRemovalResult {
  bool ok = false;  // false when the working text could not be held in memory
  std::string text;  // the new text (bytes in the form of the file's), without the file's final "\r\n"
  std::vector<UString> removed;  // names of the removed procedures, in file order
};

// The pass on the text of a whole file. A procedure counts as used when its
// name followed by "(" (or " (", with or without a leading "@") occurs
// anywhere in the text other than its own definition line. `release_file`,
// when given, is called once the file's lines have been read.
ProcedureRemovalResult RemoveUncalledProcedureBlocks(const SourceText& file, const TextBuilderLimits& limits = {},
                                                     const std::function<void()>& release_file = {});

// "\t·  Uncalled Procedures Removed: " + count, and the names.
UString ProcedureLogItem(const ProcedureRemovalResult& result);

// Rewrites `OptimizedSourcePath` in the encoding of `SourceFormat`.
void RemoveUncalledProcedures(BuildContext& ctx);

}  // namespace sparlin
