#include "support/memory_file_system.h"

#include "text/paths.h"
#include "text/text_ops.h"

namespace sparlin::testing {
namespace {

class MemoryLock final : public platform::SourceLock {
 public:
  MemoryLock(std::set<UString>& held, UString key) : held_(held), key_(std::move(key)) { held_.insert(key_); }
  ~MemoryLock() override { held_.erase(key_); }

 private:
  std::set<UString>& held_;
  UString key_;
};

}  // namespace

UString MemoryFileSystem::Key(UStringView path) {
  UString key = ToLower(path);
  for (char16_t& c : key) {
    if (c == u'/') c = u'\\';
  }
  return key;
}

std::optional<std::string> MemoryFileSystem::Read(UStringView path) const {
  auto found = files_.find(Key(path));
  if (found == files_.end()) return std::nullopt;
  return found->second;
}

int64_t MemoryFileSystem::FileSize(UStringView path) {
  UString key = Key(path);
  if (folders_.count(key)) return platform::kFileIsFolder;
  auto found = files_.find(key);
  return found == files_.end() ? platform::kFileMissing : static_cast<int64_t>(found->second.size());
}

bool MemoryFileSystem::ReadWholeFile(UStringView path, std::string& bytes) {
  bytes.clear();
  UString key = Key(path);
  auto found = files_.find(key);
  if (found == files_.end() || fail_read.count(key)) return false;
  bytes = found->second;
  return true;
}

bool MemoryFileSystem::WriteWholeFile(UStringView path, std::string_view bytes) {
  UString key = Key(path);
  if (path.empty() || folders_.count(key) || fail_write.count(key)) return false;
  files_[key] = std::string(bytes);
  return true;
}

bool MemoryFileSystem::SafeReplaceFile(UStringView path, std::string_view bytes) {
  UString key = Key(path);
  if (path.empty() || folders_.count(key) || fail_replace.count(key)) return false;
  files_[key] = std::string(bytes);
  return true;
}

bool MemoryFileSystem::CreateNewFile(UStringView path, std::string_view bytes) {
  if (path.empty() || FileSize(path) != platform::kFileMissing || fail_write.count(Key(path))) return false;
  files_[Key(path)] = std::string(bytes);
  return true;
}

bool MemoryFileSystem::CopyFileOver(UStringView from, UStringView to) {
  UString source = Key(from), target = Key(to);
  auto found = files_.find(source);
  if (found == files_.end() || source == target || folders_.count(target) || fail_copy.count(target)) return false;
  files_[target] = found->second;
  return true;
}

bool MemoryFileSystem::DeleteFile(UStringView path) {
  UString key = Key(path);
  if (fail_delete.count(key)) return false;
  return files_.erase(key) != 0;
}

bool MemoryFileSystem::SameFile(UStringView a, UStringView b) {
  auto file_of = [this](UStringView path) {
    UString key = Key(path);
    auto alias = aliases_.find(key);
    return alias == aliases_.end() ? key : alias->second;
  };
  UString fa = file_of(a), fb = file_of(b);
  return !a.empty() && !b.empty() && fa == fb && files_.count(fa) != 0;
}

std::unique_ptr<platform::SourceLock> MemoryFileSystem::LockSourceForBuild(UStringView source_path) {
  UString key = Key(PathFolder(source_path));
  auto alias = aliases_.find(key);
  if (alias != aliases_.end()) key = alias->second;  // a linked folder: the real one
  if (locked_sources_.count(key)) return nullptr;
  // What a killed build left in the folder goes.
  for (auto file = files_.begin(); file != files_.end();) {
    bool leftover = PathFolder(file->first) == key && platform::IsLeftoverTemporaryName(PathFileName(file->first));
    file = leftover ? files_.erase(file) : std::next(file);
  }
  return std::make_unique<MemoryLock>(locked_sources_, key);
}

}  // namespace sparlin::testing
