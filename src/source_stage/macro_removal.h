// Deletes the Macro ... EndMacro blocks from the preprocessed file: the
// compiler has expanded every use of them already.
#pragma once

#include <functional>
#include <vector>

#include "core/build_state.h"
#include "source_stage/working_text.h"

namespace sparlin {

struct MacroRemovalResult {
  bool ok = false;  // false when the working text could not be held in memory
  UString text;     // the new text, without the final "\r\n" of the file
  size_t count = 0;              // macro definitions recognised
  std::vector<UString> names;    // their names, in file order
};

// `lines` are the file's lines without their line ends.
MacroRemovalResult RemoveMacroBlocks(const std::vector<UStringView>& lines, const TextBuilderLimits& limits = {},
                                const std::function<void()>& release_input = {});
MacroRemovalResult RemoveMacroBlocks(const std::vector<UString>& lines, const TextBuilderLimits& limits = {});
// The same on the lines of a whole file, without a list of them;
// `release_file` as `release_input`.
MacroRemovalResult RemoveMacroBlocksInFile(const FileLines& file, const TextBuilderLimits& limits = {},
     const std::function<void()>& release_file = {});

// "\t·  Macro Comments Removed: " + count, and the names.
UString MacroLogItem(const MacroRemovalResult& result);

// Rewrites `OptimizedSourcePath` in the encoding of `SourceFormat`.
void RemoveMacros(BuildContext& ctx);

}  // namespace sparlin
