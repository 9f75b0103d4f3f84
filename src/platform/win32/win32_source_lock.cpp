// The build lock on Windows: LockFileEx, failing at once, on a file in the
// user's temporary folder, named after the volume and file number of the
// folder the build writes into. The lock belongs to the handle, so a second
// one in the same process is refused too, and it is gone when the process
// ends; the file goes with the last handle (delete on close).
#include <string>

#include "platform/os_calls.h"
#include "platform/platform.h"
#include "platform/win32/windows_api.h"
#include "text/paths.h"

namespace sparlin::platform {
namespace {

class LockedFile final : public SourceLock {
 public:
  explicit LockedFile(HANDLE file) : file_(file) {}
  ~LockedFile() override { CloseHandle(file_); }  // closing releases the lock

 private:
  HANDLE file_;
};

// The folder's volume serial number and file index as text; empty when the
// folder cannot be opened.
std::wstring FolderIdentity(const std::wstring& folder) {
  HANDLE handle = CreateFileW(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::wstring();
  BY_HANDLE_FILE_INFORMATION info;
  bool known = GetFileInformationByHandle(handle, &info);
  CloseHandle(handle);
  if (!known) return std::wstring();
  return std::to_wstring(info.dwVolumeSerialNumber) + L":" + std::to_wstring(info.nFileIndexHigh) + L":" +
         std::to_wstring(info.nFileIndexLow);
}

// Removes what killed builds left in `folder` (with its trailing separator).
void RemoveLeftoverTemporaryFiles(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"*.sparlin-tmp-*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    if (IsLeftoverTemporaryName(win32::FromWide(found.cFileName))) DeleteFileW((folder + found.cFileName).c_str());
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

std::unique_ptr<SourceLock> LockSourceForBuild(UStringView source_path) {
  std::wstring folder = win32::Wide(PathFolder(source_path));
  if (folder.empty()) folder = L".\\";
  std::wstring identity = FolderIdentity(folder);
  wchar_t temp[MAX_PATH + 1];
  DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  if (identity.empty() || length == 0 || length > MAX_PATH) return std::make_unique<SourceLock>();  // unlocked
  std::wstring path = std::wstring(temp, length) +
                      win32::Wide(SourceLockFileName(win32::FromWide(identity.data(), identity.size())));
  for (int attempt = 0; attempt < 100; ++attempt) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      // The file of a lock being given back cannot be opened until it is gone.
      if (GetLastError() != ERROR_ACCESS_DENIED) return std::make_unique<SourceLock>();
      Sleep(10);
      continue;
    }
    OVERLAPPED at{};
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
      RemoveLeftoverTemporaryFiles(folder);
      return std::make_unique<LockedFile>(file);
    }
    DWORD error = GetLastError();
    CloseHandle(file);
    return error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING ? nullptr : std::make_unique<SourceLock>();
  }
  return std::make_unique<SourceLock>();
}

}  // namespace sparlin::platform
