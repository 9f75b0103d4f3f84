// Whole files put in place on POSIX. The bytes go to a temporary file beside
// the target, created exclusively (O_EXCL | O_NOFOLLOW: never an existing
// file, never through a link) under an unpredictable name, and written and
// flushed completely before a rename puts it in place. Whatever fails, the
// temporary file is removed and the target keeps what it had.
#include <fcntl.h>
#include <stdio.h>  // renameat2
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

#include "platform/os_calls.h"
#include "platform/platform.h"
#include "platform/posix/posix_io.h"
#include "platform/posix/posix_path.h"
#include "platform/temporary_name.h"

namespace sparlin::platform {
namespace {

// The path of a new temporary file beside `target` holding `bytes` (with
// `mode` when given, else as a new file gets); nullopt when it cannot be
// completed, with nothing left behind.
std::optional<std::string> WriteTemporaryBeside(UStringView target, std::string_view bytes,
                                                std::optional<mode_t> mode) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    std::string temp = NativePath(TemporaryPathBeside(target));
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return std::nullopt;
    bool ok = WriteAll(fd, bytes) && (!mode || ::fchmod(fd, *mode) == 0) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) return temp;
    ::unlink(temp.c_str());
    return std::nullopt;
  }
  return std::nullopt;
}

bool ReplaceWith(UStringView path, std::string_view bytes, std::optional<mode_t> mode) {
  if (path.empty() || FileSize(path) == kFileIsFolder) return false;
  auto temp = WriteTemporaryBeside(path, bytes, mode);
  if (!temp) return false;
  if (::rename(temp->c_str(), NativePath(path).c_str()) == 0) return true;
  ::unlink(temp->c_str());
  return false;
}

std::optional<mode_t> ModeOf(const std::string& native_path) {
  struct stat st;
  if (::stat(native_path.c_str(), &st) != 0) return std::nullopt;
  return st.st_mode & 07777;
}

bool IsSameFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

// Renames without replacing: false when anything is at `target`. Where the
// file system has no such rename, a hard link does the same.
bool RenameIfAbsent(const std::string& temp, const std::string& target) {
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return false;
  if (::link(temp.c_str(), target.c_str()) != 0) return false;
  ::unlink(temp.c_str());
  return true;
}

}  // namespace

bool SafeReplaceFile(UStringView path, std::string_view bytes) {
  // Keep the permissions of the file being replaced.
  return ReplaceWith(path, bytes, ModeOf(NativePath(path)));
}

bool CreateNewFile(UStringView path, std::string_view bytes) {
  if (path.empty() || FileSize(path) != kFileMissing) return false;
  auto temp = WriteTemporaryBeside(path, bytes, std::nullopt);
  if (!temp) return false;
  if (RenameIfAbsent(*temp, NativePath(path))) return true;
  ::unlink(temp->c_str());
  return false;
}

bool CopyFileOver(UStringView from, UStringView to) {
  std::string source = NativePath(from);
  // A file is never copied onto itself (as on Windows, where that fails).
  if (IsSameFile(source, NativePath(to))) return false;
  std::string bytes;
  if (!ReadWholeFile(from, bytes)) return false;
  return ReplaceWith(to, bytes, ModeOf(source));
}

}  // namespace sparlin::platform
