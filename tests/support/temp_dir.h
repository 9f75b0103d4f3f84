// A temporary folder for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>

#include "text/ustring.h"

namespace sparlin::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as a path text with a trailing slash.
  UString Folder() const;
  // Path text of a file in the folder.
  UString File(const std::string& name) const;

  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace sparlin::testing
