// Deleting Macro ... EndMacro blocks from a preprocessed file's lines.
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"
#include "source_stage/macro_removal.h"

using namespace sparlin;

SPARLIN_FUZZ_TARGET(macro_removal) {
  MacroRemovalResult result = RemoveMacroBlocks(fuzz::TextLines(fuzz::AsBytes(data, size)));
  SPARLIN_FUZZ_CHECK(result.names.size() <= result.count);
  MacroLogItem(result);
  return 0;
}
