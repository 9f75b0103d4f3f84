// A full disk for the writes of one test, without root: while it lives, no
// file of this process can grow past `bytes` (RLIMIT_FSIZE); a write beyond
// fails with EFBIG instead of raising SIGXFSZ.
#pragma once

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>

namespace sparlin::testing {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_limit_);
    old_handler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_limit_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_limit_);
    ::signal(SIGXFSZ, old_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_limit_{};
  sighandler_t old_handler_;
};

}  // namespace sparlin::testing
#endif
