// The processes Sparlin starts never outlive it. Each one is registered while
// it runs: on POSIX a compiler run gets a process group of its own (so that
// its helpers end with it) and, on Linux, is killed when the thread that
// started it dies, SIGKILL of Sparlin included; on Windows every child is in
// a job object that kills it when Sparlin's handle closes.
#pragma once

namespace sparlin::platform {

// Ends every running child (on POSIX: asks with SIGTERM, kills what is left
// after a grace period) and refuses every later start. Returns once they are
// all gone or killed; their exit codes still reach their waiters.
void EndChildProcesses();

// True once EndChildProcesses has been called.
bool ChildProcessesEnded();

}  // namespace sparlin::platform
