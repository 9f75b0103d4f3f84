// Makes the safe replacement of a file fail while the file stays readable,
// for as long as the returned guard lives. The tests run as root, so on
// POSIX permissions cannot do it: no file of this process may grow
// (RLIMIT_FSIZE 0), so the temporary file cannot be written. On Windows the
// file is made read-only, which a replacing rename refuses.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace sparlin::testing {

class ReplacementBlock {
 public:
  ReplacementBlock(const TempDir& dir, const std::string& name) : path_(dir.path() / name) {
#ifdef _WIN32
    std::filesystem::permissions(path_, std::filesystem::perms::all_write, std::filesystem::perm_options::remove);
#else
    no_growth_ = std::make_unique<FileSizeLimit>(0);
#endif
  }
  ~ReplacementBlock() {
#ifdef _WIN32
    std::filesystem::permissions(path_, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
#endif
  }
  ReplacementBlock(const ReplacementBlock&) = delete;
  ReplacementBlock& operator=(const ReplacementBlock&) = delete;

 private:
  std::filesystem::path path_;
#ifndef _WIN32
  std::unique_ptr<FileSizeLimit> no_growth_;
#endif
};

}  // namespace sparlin::testing
