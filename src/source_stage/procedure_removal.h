// Deletes the procedures of the preprocessed file that nothing refers to.
#pragma once

#include <functional>
#include <vector>

#include "core/build_state.h"
#include "source_stage/working_text.h"

namespace sparlin {

struct ProcedureRemovalResult {
  bool ok = false;  // false when the working text could not be held in memory
  UString text;     // the new text, without the final "\r\n" of the file
  std::vector<UString> removed;  // names of the removed procedures, in file order
};

// `lines` are the file's lines without their line ends. A procedure counts as
// used when its name followed by "(" (or " (", with or without a leading "@")
// occurs anywhere in the text other than its own definition line.
ProcedureRemovalResult RemoveUncalledProcedureBlocks(const std::vector<UStringView>& lines, const TextBuilderLimits& limits = {},
                                const std::function<void()>& release_input = {});
ProcedureRemovalResult RemoveUncalledProcedureBlocks(const std::vector<UString>& lines, const TextBuilderLimits& limits = {});
// The same on the lines of a whole file, without a list of them;
// `release_file` as `release_input`.
ProcedureRemovalResult RemoveUncalledProcedureBlocksInFile(const FileLines& file, const TextBuilderLimits& limits = {},
     const std::function<void()>& release_file = {});

// "\t·  Uncalled Procedures Removed: " + count, and the names.
UString ProcedureLogItem(const ProcedureRemovalResult& result);

// Rewrites `OptimizedSourcePath` in the encoding of `SourceFormat`.
void RemoveUncalledProcedures(BuildContext& ctx);

}  // namespace sparlin
