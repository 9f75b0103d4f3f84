// Workers that nobody joins: the build and the test run of the output.
#pragma once

#include <functional>

namespace sparlin::platform {

// Runs `work` on a new detached thread; false when no thread could be had.
using ThreadStarter = std::function<bool(std::function<void()> work)>;
bool StartDetachedThread(std::function<void()> work);

}  // namespace sparlin::platform
