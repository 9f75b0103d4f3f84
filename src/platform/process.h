// Child processes as the build and the test run of the output see them: the
// operating system's in the program, a scripted compiler in the tests.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "text/ustring.h"

namespace sparlin::platform {

// The Windows access-violation exit code; POSIX children killed by SIGSEGV
// report it too.
constexpr uint32_t kAccessViolation = 0xC0000005u;

// A started child process whose standard output may come through a pipe.
class Process {
 public:
  virtual ~Process() = default;
  // Blocks for the next line of standard output (line end removed, bytes as
  // written); false when the pipe is closed and drained.
  virtual bool ReadLine(std::string& line) = 0;
  // Waits for the end of the process and gives its exit code.
  virtual uint32_t Wait() = 0;
};

struct ProcessOptions {
  UString program;
  UString parameters;        // one text, split by the Windows command-line rules
  UString working_folder;    // empty: the current one
  bool capture_stdout = false;
  bool hidden = true;
};

class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;
  // Starts the program without waiting; null when it cannot be started.
  virtual std::unique_ptr<Process> Start(const ProcessOptions& options) = 0;
  // True once Sparlin is stopping and starts nothing more on purpose.
  virtual bool StartsRefused() { return false; }
};

// The operating system's processes.
ProcessLauncher& SystemProcessLauncher();

}  // namespace sparlin::platform
