// The build lock on POSIX: flock on a file in $TMPDIR (or /tmp). The lock
// belongs to the open file, so a second open in the same process is refused
// too, and it is gone when the process ends.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/platform.h"

namespace sparlin::platform {
namespace {

class LockedFile final : public SourceLock {
 public:
  explicit LockedFile(int fd) : fd_(fd) {}
  ~LockedFile() override { ::close(fd_); }  // closing releases the lock

 private:
  int fd_;
};

std::string TemporaryFolder() {
  const char* folder = std::getenv("TMPDIR");
  return folder && *folder ? folder : "/tmp";
}

}  // namespace

std::unique_ptr<SourceLock> LockSourceForBuild(UStringView source_path) {
  std::string path = TemporaryFolder() + "/" + EncodeUtf8(SourceLockFileName(source_path));
  // O_NOFOLLOW: a link planted at the name in a shared folder is not followed.
  int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return std::make_unique<SourceLock>();  // no lock to be had: build unlocked
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    int error = errno;
    if (error == EINTR) continue;
    ::close(fd);
    return error == EWOULDBLOCK ? nullptr : std::make_unique<SourceLock>();
  }
  return std::make_unique<LockedFile>(fd);
}

}  // namespace sparlin::platform
