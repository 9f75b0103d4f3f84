// Runs the built program and explains an access violation.
#pragma once

#include <cstdint>
#include <optional>

#include "app/app_host.h"
#include "pipeline/build_state.h"

namespace sparlin {

extern const char16_t kCrashMessage[];

// Completes an `OutputPath` without folder with the folder of `SourcePath`.
void CompleteOutputPath(GlobalValues& g);

// The body of RunOutputThread: completes the path, disables the main window,
// runs the program and waits, brings the window to the front, shows the crash
// message on an access violation, enables the window. The program's exit code,
// or nullopt when it could not be started.
std::optional<uint32_t> RunOutput(GlobalValues& g, AppHost& host);

// Starts RunOutput on a worker thread that nobody joins.
bool StartRunOutputThread(GlobalValues& g, AppHost& host);

}  // namespace sparlin
