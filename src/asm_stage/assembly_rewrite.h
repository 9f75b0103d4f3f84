// Rewrites "PureBasic.asm" in place after the "/COMMENTED" run: the line
// rules of the assembly text pass, the export definition fix-up of a 32-bit
// DLL, the summary in the run log and, with RemUncalled, library pruning.
#pragma once

#include "core/build_state.h"

namespace sparlin {

// Failures are shown as messages and never stop the build.
void RewriteAssemblyFile(BuildContext& ctx);

}  // namespace sparlin
