// Runs the built program and explains an access violation.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/app_host.h"
#include "core/build_state.h"

namespace sparlin {

extern const char16_t kCrashMessage[];

// Completes an `OutputPath` without folder with the folder of `SourcePath`.
void CompleteOutputPath(GlobalValues& g);

// The body of RunOutputThread: completes the path, disables the main window,
// runs the program and waits, brings the window to the front, shows the crash
// message on an access violation, enables the window. The program's exit code,
// or nullopt when it could not be started. With `program_output` set, the
// program's standard output comes through a pipe, line by line, to it.
using ProgramOutputSink = std::function<void(const std::string& line)>;
std::optional<uint32_t> RunOutput(GlobalValues& g, AppHost& host, const ProgramOutputSink& program_output = {},
                                  platform::ProcessLauncher& processes = platform::SystemProcessLauncher());

// Starts RunOutput on a worker thread that nobody joins.
bool StartRunOutputThread(GlobalValues& g, AppHost& host);

}  // namespace sparlin
