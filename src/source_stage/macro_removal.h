// Deletes the Macro ... EndMacro blocks from the preprocessed file: the
// compiler has expanded every use of them already.
#pragma once

#include <functional>
#include <vector>

#include "core/build_state.h"

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
// The same on the lines of a whole file's text (split as SplitLines splits),
// without a list of its lines; `release_text` as `release_input`.
MacroRemovalResult RemoveMacroBlocksInText(UStringView file_text, const TextBuilderLimits& limits = {},
                                           const std::function<void()>& release_text = {});

// "\t·  Macro Comments Removed: " + count, and the names.
UString MacroLogItem(const MacroRemovalResult& result);

// Rewrites `OptimizedSourcePath` in the encoding of `SourceFormat`.
void RemoveMacros(BuildContext& ctx);

}  // namespace sparlin
