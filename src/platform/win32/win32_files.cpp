// Files, environment and clocks with the Win32 API; UTF-16 paths throughout.
// Whole files are put in place through a temporary file beside them, created
// with CREATE_NEW under an unpredictable name and renamed once complete;
// whatever fails, the temporary file goes and the target keeps what it had.
#include <algorithm>

#include "platform/os_calls.h"
#include "platform/platform.h"
#include "platform/temporary_name.h"
#include "platform/win32/windows_api.h"

namespace sparlin::platform {
namespace {

using win32::Wide;

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (valid()) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  HANDLE get() const { return h_; }
  // Closes now and reports whether the close succeeded.
  bool Close() {
    bool ok = CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE h_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

bool WriteFileWith(const std::wstring& path, DWORD disposition, std::string_view bytes, bool flush) {
  Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  bool ok = WriteAll(file.get(), bytes);
  if (ok && flush) ok = FlushFileBuffers(file.get()) != 0;
  return file.Close() && ok;
}

bool NameTaken() {
  DWORD error = GetLastError();
  return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

// A new temporary file beside `target`, created with CREATE_NEW (never an
// existing file or link) under an unpredictable name, holding `bytes` or, with
// `copy_from`, a copy of that file. Empty when it cannot be completed, with
// nothing left behind.
std::wstring WriteTemporaryBeside(UStringView target, std::string_view bytes, const std::wstring* copy_from) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    std::wstring temp = Wide(TemporaryPathBeside(target));
    bool ok = copy_from ? CopyFileW(copy_from->c_str(), temp.c_str(), TRUE) != 0
                        : WriteFileWith(temp, CREATE_NEW, bytes, true);
    if (ok) return temp;
    if (NameTaken()) continue;
    DeleteFileW(temp.c_str());  // a copy or write that failed part way
    return std::wstring();
  }
  return std::wstring();
}

// Puts the finished temporary file in place of `target`; removes it when that
// fails.
bool MoveOver(const std::wstring& temp, UStringView path) {
  std::wstring target = Wide(path);
  bool ok = false;
  if (FileExists(path)) {
    // ReplaceFileW keeps the replaced file's attributes and security; where
    // the file system cannot do that, a plain replacing rename does the job.
    ok = ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
  }
  if (!ok) ok = MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileW(temp.c_str());
  return ok;
}

// The volume and file number of an existing file or folder.
bool FileIdentity(const std::wstring& path, BY_HANDLE_FILE_INFORMATION& info) {
  Handle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return file.valid() && GetFileInformationByHandle(file.get(), &info);
}

bool IsSameFile(const std::wstring& a, const std::wstring& b) {
  BY_HANDLE_FILE_INFORMATION ia, ib;
  return FileIdentity(a, ia) && FileIdentity(b, ib) && ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
         ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

}  // namespace

int64_t FileSize(UStringView path) {
  if (path.empty()) return kFileMissing;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) return kFileMissing;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return kFileIsFolder;
  return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool ReadWholeFile(UStringView path, std::string& bytes) {
  bytes.clear();
  if (FileSize(path) < 0) return false;
  Handle file(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  char buffer[65536];
  while (true) {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) return false;
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  return true;
}

bool WriteWholeFile(UStringView path, std::string_view bytes) {
  if (path.empty() || FileSize(path) == kFileIsFolder) return false;
  return WriteFileWith(Wide(path), CREATE_ALWAYS, bytes, false);
}

bool SafeReplaceFile(UStringView path, std::string_view bytes) {
  if (path.empty() || FileSize(path) == kFileIsFolder) return false;
  std::wstring temp = WriteTemporaryBeside(path, bytes, nullptr);
  return !temp.empty() && MoveOver(temp, path);
}

bool CreateNewFile(UStringView path, std::string_view bytes) {
  if (path.empty() || FileSize(path) != kFileMissing) return false;
  std::wstring temp = WriteTemporaryBeside(path, bytes, nullptr);
  if (temp.empty()) return false;
  // Without MOVEFILE_REPLACE_EXISTING the rename fails when anything is there.
  if (MoveFileExW(temp.c_str(), Wide(path).c_str(), MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileW(temp.c_str());
  return false;
}

bool CopyFileOver(UStringView from, UStringView to) {
  if (FileSize(from) < 0 || to.empty() || FileSize(to) == kFileIsFolder) return false;
  std::wstring source = Wide(from);
  if (IsSameFile(source, Wide(to))) return false;
  std::wstring temp = WriteTemporaryBeside(to, {}, &source);
  return !temp.empty() && MoveOver(temp, to);
}

bool SameFile(UStringView a, UStringView b) {
  if (a.empty() || b.empty() || a.find(u'\0') != UStringView::npos || b.find(u'\0') != UStringView::npos) return false;
  return IsSameFile(Wide(a), Wide(b));
}

bool DeleteFile(UStringView path) {
  if (FileSize(path) < 0) return false;
  return DeleteFileW(Wide(path).c_str()) != 0;
}

UString GetEnv(UStringView name) {
  std::wstring wide_name = Wide(name);
  DWORD needed = GetEnvironmentVariableW(wide_name.c_str(), nullptr, 0);
  if (needed == 0) return UString();
  std::wstring value(needed, L'\0');
  DWORD length = GetEnvironmentVariableW(wide_name.c_str(), value.data(), needed);
  if (length == 0 || length >= needed) return UString();
  value.resize(length);
  return win32::FromWide(value);
}

uint64_t MonotonicMillis() { return GetTickCount64(); }

LocalDateTime LocalNow() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace sparlin::platform
