// Files, environment and clocks on POSIX (the writes that put a whole file in
// place are in posix_replace.cpp).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/os_calls.h"
#include "platform/platform.h"
#include "platform/posix/posix_io.h"
#include "platform/posix/posix_path.h"

namespace sparlin::platform {

int64_t FileSize(UStringView path) {
  if (path.empty()) return kFileMissing;
  struct stat st;
  if (::stat(NativePath(path).c_str(), &st) != 0) return kFileMissing;
  if (S_ISDIR(st.st_mode)) return kFileIsFolder;
  // Devices, pipes and sockets are no files: reading one may never end.
  if (!S_ISREG(st.st_mode)) return kFileMissing;
  return static_cast<int64_t>(st.st_size);
}

bool ReadWholeFile(UStringView path, std::string& bytes) {
  bytes.clear();
  if (FileSize(path) < 0) return false;
  int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  // Read straight into a buffer of the file's size, so that a large file is
  // held once; a file that grows meanwhile is read to its end all the same.
  struct stat st;
  size_t expected = ::fstat(fd, &st) == 0 && st.st_size > 0 ? static_cast<size_t>(st.st_size) : 0;
  bytes.resize(expected + 1);
  size_t done = 0;
  while (true) {
    if (done == bytes.size()) bytes.resize(bytes.size() * 2);
    ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      bytes.clear();
      return false;
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  ::close(fd);
  bytes.resize(done);
  return true;
}

bool WriteWholeFile(UStringView path, std::string_view bytes) {
  if (path.empty() || FileSize(path) == kFileIsFolder) return false;
  int fd = ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  return ::close(fd) == 0 && ok;
}

bool SameFile(UStringView a, UStringView b) {
  if (a.empty() || b.empty()) return false;
  struct stat sa, sb;
  return ::stat(NativePath(a).c_str(), &sa) == 0 && ::stat(NativePath(b).c_str(), &sb) == 0 &&
         sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool DeleteFile(UStringView path) {
  if (FileSize(path) < 0) return false;
  return ::unlink(NativePath(path).c_str()) == 0;
}

UString GetEnv(UStringView name) {
  const char* value = std::getenv(EncodeUtf8(name).c_str());
  return value ? DecodeUtf8(value) : UString();
}

uint64_t MonotonicMillis() {
  using namespace std::chrono;
  return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

LocalDateTime LocalNow() {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  ::localtime_r(&now, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

bool ShellOpen(UStringView, UStringView) { return false; }  // no desktop shell here
void PlaySystemSound(SystemSound) {}
void PlayTone(int, int) {}

}  // namespace sparlin::platform
