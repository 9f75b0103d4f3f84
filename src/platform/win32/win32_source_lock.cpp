// The build lock on Windows: LockFileEx, failing at once, on a file in the
// user's temporary folder. The lock belongs to the handle, so a second one in
// the same process is refused too, and it is gone when the process ends.
#include "platform/platform.h"
#include "platform/win32/windows_api.h"

namespace sparlin::platform {
namespace {

class LockedFile final : public SourceLock {
 public:
  explicit LockedFile(HANDLE file) : file_(file) {}
  ~LockedFile() override { CloseHandle(file_); }  // closing releases the lock

 private:
  HANDLE file_;
};

}  // namespace

std::unique_ptr<SourceLock> LockSourceForBuild(UStringView source_path) {
  wchar_t folder[MAX_PATH + 1];
  DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH) return std::make_unique<SourceLock>();  // build unlocked
  std::wstring path = std::wstring(folder, length) + win32::Wide(SourceLockFileName(source_path));
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::make_unique<SourceLock>();
  OVERLAPPED at{};
  if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
    return std::make_unique<LockedFile>(file);
  }
  DWORD error = GetLastError();
  CloseHandle(file);
  return error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING ? nullptr : std::make_unique<SourceLock>();
}

}  // namespace sparlin::platform
