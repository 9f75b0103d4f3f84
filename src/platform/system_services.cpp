// The operating system's files and processes behind the interfaces that the
// build is handed.
#include "platform/child_processes.h"
#include "platform/os_calls.h"
#include "platform/platform.h"

namespace sparlin::platform {
namespace {

class OsFileSystem final : public FileSystem {
 public:
  int64_t FileSize(UStringView path) override { return platform::FileSize(path); }
  bool ReadWholeFile(UStringView path, std::string& bytes) override { return platform::ReadWholeFile(path, bytes); }
  bool WriteWholeFile(UStringView path, std::string_view bytes) override {
    return platform::WriteWholeFile(path, bytes);
  }
  bool SafeReplaceFile(UStringView path, std::string_view bytes) override {
    return platform::SafeReplaceFile(path, bytes);
  }
  bool CreateNewFile(UStringView path, std::string_view bytes) override {
    return platform::CreateNewFile(path, bytes);
  }
  bool CopyFileOver(UStringView from, UStringView to) override { return platform::CopyFileOver(from, to); }
  bool DeleteFile(UStringView path) override { return platform::DeleteFile(path); }
  bool SameFile(UStringView a, UStringView b) override { return platform::SameFile(a, b); }
  std::unique_ptr<SourceLock> LockSourceForBuild(UStringView source_path) override {
    return platform::LockSourceForBuild(source_path);
  }
};

class OsProcessLauncher final : public ProcessLauncher {
 public:
  std::unique_ptr<Process> Start(const ProcessOptions& options) override { return StartProcess(options); }
  bool StartsRefused() override { return ChildProcessesEnded(); }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static OsFileSystem files;
  return files;
}

ProcessLauncher& SystemProcessLauncher() {
  static OsProcessLauncher processes;
  return processes;
}

}  // namespace sparlin::platform
