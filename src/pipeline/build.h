// The build: the three stages in order, then the clean-up, the buttons and
// the elapsed time.
#pragma once

#include "core/build_state.h"

namespace sparlin {

// Runs one whole build on the calling thread; true when it wrote
// "\tAll Finished!".
bool RunBuild(BuildContext& ctx);

// Starts RunBuild on a worker thread that nobody joins.
bool StartBuildThread(BuildContext& ctx);

}  // namespace sparlin
