// The file system as the build sees it. The passes reach files only through
// this interface, handed to them in the build's context: the operating
// system's implementation in the program, an in-memory one in the tests,
// where any read, write or replace can be made to fail.
//
// Paths are Windows paths in UTF-16.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/source_lock.h"
#include "text/ustring.h"

namespace sparlin::platform {

constexpr int64_t kFileMissing = -1;
constexpr int64_t kFileIsFolder = -2;

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Size in bytes; kFileMissing when nothing is there, kFileIsFolder for a folder.
  virtual int64_t FileSize(UStringView path) = 0;
  // Reads the whole file; false when it cannot be opened or read.
  virtual bool ReadWholeFile(UStringView path, std::string& bytes) = 0;
  // Creates or truncates the file and writes `bytes` in place.
  virtual bool WriteWholeFile(UStringView path, std::string_view bytes) = 0;
  // Writes `bytes` to a temporary file beside `path` (created exclusively,
  // under an unpredictable name), then renames it over `path`. Any failure
  // leaves the previous content, removes the temporary file and returns false.
  virtual bool SafeReplaceFile(UStringView path, std::string_view bytes) = 0;
  // Creates `path` with `bytes`, complete or not at all: false, and nothing
  // left, when anything is already there or the bytes cannot all be written.
  virtual bool CreateNewFile(UStringView path, std::string_view bytes) = 0;
  // Copies over any file at `to` as a safe replace: a failed copy leaves the
  // old file. Never copies a file onto itself.
  virtual bool CopyFileOver(UStringView from, UStringView to) = 0;
  virtual bool DeleteFile(UStringView path) = 0;
  // True when both paths name one existing file, whatever the spelling: links
  // followed, device and inode compared (on Windows the volume serial number
  // and the file index).
  virtual bool SameFile(UStringView a, UStringView b) = 0;

  // The lock for builds of `source_path` (see platform/source_lock.h); null
  // while another holder, in this process or another, has it.
  virtual std::unique_ptr<SourceLock> LockSourceForBuild(UStringView source_path) = 0;

  bool FileExists(UStringView path) { return FileSize(path) >= 0; }
};

// The operating system's files.
FileSystem& SystemFileSystem();

}  // namespace sparlin::platform
