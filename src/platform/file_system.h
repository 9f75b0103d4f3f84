// The file system as the build sees it. The passes reach files only through
// this interface, handed to them in the build's context: the operating
// system's implementation in the program, an in-memory one in the tests,
// where any read, write or replace can be made to fail.
//
// Paths are Windows paths in UTF-16.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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
  // Writes `bytes` to a temporary file beside `path`, then renames it over
  // `path`. Any failure leaves the previous content and returns false.
  virtual bool SafeReplaceFile(UStringView path, std::string_view bytes) = 0;
  // Copies over any file at `to`; never copies a file onto itself.
  virtual bool CopyFileOver(UStringView from, UStringView to) = 0;
  virtual bool DeleteFile(UStringView path) = 0;

  bool FileExists(UStringView path) { return FileSize(path) >= 0; }
};

// The operating system's files.
FileSystem& SystemFileSystem();

}  // namespace sparlin::platform
