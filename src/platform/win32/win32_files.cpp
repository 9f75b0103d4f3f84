// Files, environment and clocks with the Win32 API; UTF-16 paths throughout.
#include <algorithm>

#include "platform/platform.h"
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

bool WriteNewFile(const std::wstring& path, std::string_view bytes, bool flush) {
  Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                          nullptr));
  if (!file.valid()) return false;
  bool ok = WriteAll(file.get(), bytes);
  if (ok && flush) ok = FlushFileBuffers(file.get()) != 0;
  return file.Close() && ok;
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
  return WriteNewFile(Wide(path), bytes, false);
}

bool SafeReplaceFile(UStringView path, std::string_view bytes) {
  if (path.empty() || FileSize(path) == kFileIsFolder) return false;
  std::wstring target = Wide(path);
  std::wstring temp = target + L".sparlin-tmp-" + std::to_wstring(GetCurrentProcessId());
  if (!WriteNewFile(temp, bytes, true)) {
    DeleteFileW(temp.c_str());
    return false;
  }
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

bool CopyFileOver(UStringView from, UStringView to) {
  if (FileSize(from) < 0) return false;
  return CopyFileW(Wide(from).c_str(), Wide(to).c_str(), FALSE) != 0;
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
