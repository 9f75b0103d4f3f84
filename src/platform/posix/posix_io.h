// Writing a whole buffer to a POSIX file descriptor.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace sparlin::platform {

// False when the bytes cannot all be written (a full disk, a file size limit).
inline bool WriteAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace sparlin::platform
