// Rewrites "PureBasic.asm" in place after the "/COMMENTED" run.
#pragma once

#include "pipeline/build_state.h"

namespace sparlin {

// Always returns 0; failures are shown as messages and never stop the build.
int RewriteAssemblyFile(BuildContext& ctx);

}  // namespace sparlin
