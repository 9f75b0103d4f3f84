// A file system that hands every call to another one; a base for the ones
// that watch or change a few calls of a step.
#pragma once

#include "platform/file_system.h"

namespace sparlin::platform {

class ForwardingFileSystem : public FileSystem {
 public:
  explicit ForwardingFileSystem(FileSystem& inner) : inner_(inner) {}

  int64_t FileSize(UStringView path) override { return inner_.FileSize(path); }
  bool ReadWholeFile(UStringView path, std::string& bytes) override { return inner_.ReadWholeFile(path, bytes); }
  bool WriteWholeFile(UStringView path, std::string_view bytes) override { return inner_.WriteWholeFile(path, bytes); }
  bool SafeReplaceFile(UStringView path, std::string_view bytes) override {
    return inner_.SafeReplaceFile(path, bytes);
  }
  bool CreateNewFile(UStringView path, std::string_view bytes) override { return inner_.CreateNewFile(path, bytes); }
  bool CopyFileOver(UStringView from, UStringView to) override { return inner_.CopyFileOver(from, to); }
  bool DeleteFile(UStringView path) override { return inner_.DeleteFile(path); }
  bool SameFile(UStringView a, UStringView b) override { return inner_.SameFile(a, b); }
  std::unique_ptr<SourceLock> LockSourceForBuild(UStringView source_path) override {
    return inner_.LockSourceForBuild(source_path);
  }

 private:
  FileSystem& inner_;
};

}  // namespace sparlin::platform
