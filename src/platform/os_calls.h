// The operating system's files and processes as plain calls. Only
// src/platform/ (behind FileSystem and ProcessLauncher) and the tests of the
// platform layer use them; the rest of the program goes through the
// interfaces, so that every build step can be tested on the in-memory seams.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/file_system.h"
#include "platform/process.h"
#include "text/ustring.h"

namespace sparlin::platform {

// Files (SystemFileSystem() hands them to the build).
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

// Starts the program without waiting; null when it cannot be started
// (SystemProcessLauncher() hands this to the build).
std::unique_ptr<Process> StartProcess(const ProcessOptions& options);

}  // namespace sparlin::platform
