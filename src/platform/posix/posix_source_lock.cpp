// The build lock on POSIX: flock on a file in a folder of the user's own
// ($XDG_RUNTIME_DIR or $TMPDIR or /tmp, then "sparlin-" + user number,
// created 0700 and checked to be the user's). The lock belongs to the open
// file, so a second open in the same process is refused too, and it is gone
// when the process ends.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/os_calls.h"
#include "platform/platform.h"
#include "platform/posix/posix_path.h"
#include "text/paths.h"

namespace sparlin::platform {
namespace {

class LockedFile final : public SourceLock {
 public:
  LockedFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~LockedFile() override {
    // Removed while still held: a build that opened it meanwhile finds, once
    // it has the lock, that the name no longer leads to its file, and tries
    // again on a new file.
    ::unlink(path_.c_str());
    ::close(fd_);
  }

 private:
  int fd_;
  std::string path_;
};

// The folder of the lock files; nullopt when no folder of the user's own can
// be had (someone else's or a link in its place).
std::optional<std::string> UserLockFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const char* temporary = std::getenv("TMPDIR");
  std::string base = runtime && *runtime == '/' ? runtime : temporary && *temporary ? temporary : "/tmp";
  std::string folder = base + "/sparlin-" + std::to_string(::geteuid());
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
  struct stat st;
  if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() ||
      (st.st_mode & 077) != 0) {
    return std::nullopt;
  }
  return folder;
}

// Removes what killed builds left in `folder`: regular files of the user's
// with the temporary files' names.
void RemoveLeftoverTemporaryFiles(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (dirent* entry = ::readdir(dir)) {
    if (!IsLeftoverTemporaryName(DecodeUtf8(entry->d_name))) continue;
    struct stat st;
    if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
        st.st_uid == ::geteuid()) {
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
  }
  ::closedir(dir);
}

}  // namespace

std::unique_ptr<SourceLock> LockSourceForBuild(UStringView source_path) {
  std::string folder = NativePath(PathFolder(source_path));
  if (folder.empty()) folder = ".";
  struct stat folder_stat;
  auto lock_folder = UserLockFolder();
  if (::stat(folder.c_str(), &folder_stat) != 0 || !lock_folder) {
    return std::make_unique<SourceLock>();  // no lock to be had: build unlocked
  }
  UString identity = DecodeUtf8(std::to_string(folder_stat.st_dev) + ":" + std::to_string(folder_stat.st_ino));
  std::string path = *lock_folder + "/" + EncodeUtf8(SourceLockFileName(identity));
  for (int attempt = 0; attempt < 100; ++attempt) {
    // O_NOFOLLOW: a link planted at the name is not followed.
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return std::make_unique<SourceLock>();
    int locked;
    while ((locked = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (locked != 0) {
      int error = errno;
      ::close(fd);
      return error == EWOULDBLOCK ? nullptr : std::make_unique<SourceLock>();
    }
    struct stat held, named;
    if (::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
        held.st_ino == named.st_ino) {
      RemoveLeftoverTemporaryFiles(folder);
      return std::make_unique<LockedFile>(fd, path);
    }
    ::close(fd);  // the file was removed by the build that held it: take the new one
  }
  return std::make_unique<SourceLock>();
}

}  // namespace sparlin::platform
