// Deletes the Macro ... EndMacro blocks from the preprocessed file: the
// compiler has expanded every use of them already.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/build_state.h"
#include "source_stage/working_text.h"

namespace sparlin {

struct MacroRemovalResult {
  bool ok = false;  // false when the working text could not be held in memory
  std::string text;  // the new text (bytes in the form of the file's), without the file's final "\r\n"
  size_t count = 0;              // macro definitions recognised
  std::vector<UString> names;    // their names, in file order
};

// The pass on the text of a whole file; `release_file`, when given, is
// called once the file's lines have been read, so that a large file is not
// held twice.
MacroRemovalResult RemoveMacroBlocks(const SourceText& file, const TextBuilderLimits& limits = {},
                                     const std::function<void()>& release_file = {});

// "\t·  Macro Comments Removed: " + count, and the names.
UString MacroLogItem(const MacroRemovalResult& result);

// Rewrites `OptimizedSourcePath` in the encoding of `SourceFormat`.
void RemoveMacros(BuildContext& ctx);

}  // namespace sparlin
