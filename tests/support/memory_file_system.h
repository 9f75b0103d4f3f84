// An in-memory file system for the tests of the passes and the build. Paths
// are compared as Windows compares them ("/" and "\" alike, letter case
// ignored). Any read, write, replace, copy or delete can be made to fail by
// path (a failed write fails the creation of a new file too), and a folder
// can stand where a file is expected. Build locks are held in memory, one per
// folder (an alias of a folder, "C:\\link\\", shares the lock of its target).
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/file_system.h"

namespace sparlin::testing {

class MemoryFileSystem : public platform::FileSystem {
 public:
  void Write(UStringView path, std::string bytes) { files_[Key(path)] = std::move(bytes); }
  void AddFolder(UStringView path) { folders_.insert(Key(path)); }
  // `alias` names the same file as `path` for SameFile (a link or a hard
  // link; reads and writes still go by the path's text).
  void AddAlias(UStringView alias, UStringView path) { aliases_[Key(alias)] = Key(path); }
  // The file's bytes; nullopt when there is no such file.
  std::optional<std::string> Read(UStringView path) const;
  bool Has(UStringView path) const { return files_.count(Key(path)) != 0; }
  // Every file, by its normalised path (backslashes, lower case).
  const std::map<UString, std::string>& files() const { return files_; }

  // Paths whose operation fails, leaving everything as it was.
  std::set<UString> fail_read, fail_write, fail_replace, fail_copy, fail_delete;
  void FailRead(UStringView path) { fail_read.insert(Key(path)); }
  void FailWrite(UStringView path) { fail_write.insert(Key(path)); }
  void FailReplace(UStringView path) { fail_replace.insert(Key(path)); }
  void FailCopy(UStringView path) { fail_copy.insert(Key(path)); }

  int64_t FileSize(UStringView path) override;
  bool ReadWholeFile(UStringView path, std::string& bytes) override;
  bool WriteWholeFile(UStringView path, std::string_view bytes) override;
  bool SafeReplaceFile(UStringView path, std::string_view bytes) override;
  bool CreateNewFile(UStringView path, std::string_view bytes) override;
  bool CopyFileOver(UStringView from, UStringView to) override;
  bool DeleteFile(UStringView path) override;
  bool SameFile(UStringView a, UStringView b) override;
  std::unique_ptr<platform::SourceLock> LockSourceForBuild(UStringView source_path) override;

  static UString Key(UStringView path);

 private:
  std::map<UString, std::string> files_;
  std::set<UString> folders_;
  std::map<UString, UString> aliases_;
  std::set<UString> locked_sources_;
};

}  // namespace sparlin::testing
