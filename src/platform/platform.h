// The operating-system boundary. Nothing outside src/platform/ touches files,
// processes, the environment or clocks directly.
//
// Paths are Windows paths in UTF-16; on POSIX every backslash becomes a slash
// before the path reaches the operating system.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/process.h"
#include "text/ustring.h"

namespace sparlin::platform {

// The operating system's files (SystemFileSystem() hands them to the build).
int64_t FileSize(UStringView path);
inline bool FileExists(UStringView path) { return FileSize(path) >= 0; }
bool ReadWholeFile(UStringView path, std::string& bytes);
bool WriteWholeFile(UStringView path, std::string_view bytes);
bool SafeReplaceFile(UStringView path, std::string_view bytes);
bool CreateNewFile(UStringView path, std::string_view bytes);
bool CopyFileOver(UStringView from, UStringView to);
bool DeleteFile(UStringView path);
bool SameFile(UStringView a, UStringView b);
std::unique_ptr<SourceLock> LockSourceForBuild(UStringView source_path);

// An environment variable; empty when unset.
UString GetEnv(UStringView name);

// Milliseconds from an arbitrary origin; never goes back.
uint64_t MonotonicMillis();

struct LocalDateTime {
  int year, month, day, hour, minute, second;
};
LocalDateTime LocalNow();

// Starts the program without waiting; null when it cannot be started
// (SystemProcessLauncher() hands this to the build).
std::unique_ptr<Process> StartProcess(const ProcessOptions& options);

// Opens a folder, document or web address with the program the system
// associates with it. False when the system refuses.
bool ShellOpen(UStringView target, UStringView working_folder);

// Sounds: the message beeps and a plain tone.
enum class SystemSound { kError, kInformation };
void PlaySystemSound(SystemSound sound);
void PlayTone(int hertz, int milliseconds);

}  // namespace sparlin::platform
