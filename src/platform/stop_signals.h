// The requests to stop that a console program receives: SIGINT, SIGTERM and
// SIGHUP on POSIX; Ctrl+C, Ctrl+Break and the console's closing on Windows.
#pragma once

#include <functional>

namespace sparlin::platform {

// Takes the stop requests away from their default (ending the process at
// once) and hands the first one to `on_stop` with its POSIX signal number,
// on a thread of its own. Later requests are ignored. Call it before any
// other thread starts, so that every thread leaves the signals to it.
void WatchStopSignals(std::function<void(int signal_number)> on_stop);

}  // namespace sparlin::platform
