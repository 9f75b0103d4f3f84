// Makes the safe replacement of a file fail while the file stays readable,
// for as long as the guard lives. The tests run as root, so on POSIX
// permissions cannot do it: no file of this process may grow (RLIMIT_FSIZE
// 0), so the temporary file cannot be written. On Windows the file is held
// open without delete sharing, so nothing can be renamed over it.
#pragma once

#ifdef _WIN32
#include "platform/win32/windows_api.h"
#endif

#include <filesystem>
#include <memory>
#include <string>

#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace sparlin::testing {

class ReplacementBlock {
 public:
#ifdef _WIN32
  ReplacementBlock(const TempDir& dir, const std::string& name)
      : held_(CreateFileW((dir.path() / name).wstring().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                          OPEN_EXISTING, 0, nullptr)) {}
  ~ReplacementBlock() { CloseHandle(held_); }
#else
  ReplacementBlock(const TempDir&, const std::string&) : no_growth_(std::make_unique<FileSizeLimit>(0)) {}
#endif
  ReplacementBlock(const ReplacementBlock&) = delete;
  ReplacementBlock& operator=(const ReplacementBlock&) = delete;

 private:
#ifdef _WIN32
  HANDLE held_;
#else
  std::unique_ptr<FileSizeLimit> no_growth_;
#endif
};

}  // namespace sparlin::testing
