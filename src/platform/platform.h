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

#include "text/ustring.h"

namespace sparlin::platform {

constexpr int64_t kFileMissing = -1;
constexpr int64_t kFileIsFolder = -2;

// Size in bytes; kFileMissing when nothing is there, kFileIsFolder for a folder.
int64_t FileSize(UStringView path);
inline bool FileExists(UStringView path) { return FileSize(path) >= 0; }

// Reads the whole file; false when it cannot be opened or read.
bool ReadWholeFile(UStringView path, std::string& bytes);
// Creates or truncates the file and writes `bytes` in place.
bool WriteWholeFile(UStringView path, std::string_view bytes);
// Writes `bytes` to a temporary file beside `path`, then renames it over
// `path`. Any failure leaves the previous content and returns false.
bool SafeReplaceFile(UStringView path, std::string_view bytes);
// Copies over any file at `to`.
bool CopyFileOver(UStringView from, UStringView to);
bool DeleteFile(UStringView path);

// An environment variable; empty when unset.
UString GetEnv(UStringView name);

// Milliseconds from an arbitrary origin; never goes back.
uint64_t MonotonicMillis();

struct LocalDateTime {
  int year, month, day, hour, minute, second;
};
LocalDateTime LocalNow();

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

// Starts the program without waiting; null when it cannot be started.
std::unique_ptr<Process> StartProcess(const ProcessOptions& options);

// Opens a folder, document or web address with the program the system
// associates with it. False when the system refuses.
bool ShellOpen(UStringView target, UStringView working_folder);

// Sounds: the message beeps and a plain tone.
enum class SystemSound { kError, kInformation };
void PlaySystemSound(SystemSound sound);
void PlayTone(int hertz, int milliseconds);

}  // namespace sparlin::platform
