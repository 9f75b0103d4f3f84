// The build: the three stages in order, then the clean-up, the buttons and
// the elapsed time.
#pragma once

#include "core/build_state.h"
#include "platform/worker_thread.h"

namespace sparlin {

// Runs one whole build on the calling thread; true when it wrote
// "\tAll Finished!".
bool RunBuild(BuildContext& ctx);

// Starts RunBuild on a worker thread that nobody joins. When no thread can
// be had, the error sound plays and Compile and Settings are enabled again;
// false then.
bool StartBuildThread(BuildContext& ctx,
                      const platform::ThreadStarter& start = platform::StartDetachedThread);

}  // namespace sparlin
