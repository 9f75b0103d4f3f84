// The operating-system boundary. Nothing outside src/platform/ touches files,
// processes, the environment or clocks directly: files and processes reach
// the rest of the program only as FileSystem and ProcessLauncher
// (SystemFileSystem(), SystemProcessLauncher()); the calls behind them are in
// os_calls.h, for src/platform/ and its tests alone.
//
// Paths are Windows paths in UTF-16; on POSIX every backslash becomes a slash
// before the path reaches the operating system.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/process.h"
#include "text/ustring.h"

namespace sparlin::platform {

// An environment variable; empty when unset.
UString GetEnv(UStringView name);

// Milliseconds from an arbitrary origin; never goes back.
uint64_t MonotonicMillis();

struct LocalDateTime {
  int year, month, day, hour, minute, second;
};
LocalDateTime LocalNow();

// Opens a folder, document or web address with the program the system
// associates with it. False when the system refuses.
bool ShellOpen(UStringView target, UStringView working_folder);

// Sounds: the message beeps and a plain tone.
enum class SystemSound { kError, kInformation };
void PlaySystemSound(SystemSound sound);
void PlayTone(int hertz, int milliseconds);

}  // namespace sparlin::platform
