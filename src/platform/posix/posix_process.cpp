// Child processes on POSIX: the parameter text is split by the Windows rules,
// standard output may come through a pipe (read until the program's end, not
// its children's), and a child killed by SIGSEGV reports the Windows
// access-violation code. Every child is entered in the list of children
// (posix_children.h) until it is reaped.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

#include <cerrno>
#include <vector>

#include "platform/command_line.h"
#include "text/line_splitter.h"
#include "platform/os_calls.h"
#include "platform/platform.h"
#include "platform/posix/posix_children.h"
#include "platform/posix/posix_path.h"

namespace sparlin::platform {
namespace {

class PosixProcess : public Process {
 public:
  PosixProcess(pid_t pid, int stdout_fd) : pid_(pid), fd_(stdout_fd) {}
  ~PosixProcess() override {
    CloseStdout();
    if (!waited_) Wait();
  }

  // Reads until the pipe is closed, or until the program has ended and the
  // pipe holds nothing more for now: a child that the program left behind
  // may keep the pipe open for as long as it likes.
  bool ReadLine(std::string& line) override {
    return lines_.NextLine(line, [this](char* chunk, size_t size) -> size_t {
      while (fd_ >= 0) {
        pollfd ready{fd_, POLLIN, 0};
        int events = ::poll(&ready, 1, waited_ ? 0 : kPollMillis);
        if (events < 0 && errno == EINTR) continue;
        if (events == 0) {
          // Nothing there now: done once the program has ended, whatever
          // it wrote before its end being in the pipe already.
          if (waited_) CloseStdout();
          else Reap(WNOHANG);
          continue;
        }
        ssize_t n = ::read(fd_, chunk, size);
        if (n < 0 && errno == EINTR) continue;
        if (n > 0) return static_cast<size_t>(n);
        CloseStdout();
      }
      return 0;
    });
  }

  uint32_t Wait() override {
    while (!waited_) Reap(0);
    return exit_code_;
  }

 private:
  // How long one look at the pipe waits before checking whether the program
  // has ended.
  static constexpr int kPollMillis = 50;

  // Collects the program's end when it has come (WNOHANG) or waits for it.
  // The ended child leaves the list of children before it is reaped.
  void Reap(int options) {
    siginfo_t info{};
    int looked = ::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOWAIT | options);
    if (looked < 0 && errno == EINTR) return;
    if (looked == 0 && info.si_pid == 0) return;  // still running
    Children().Remove(pid_);
    int status = 0;
    pid_t done;
    while ((done = ::waitpid(pid_, &status, 0)) < 0 && errno == EINTR) {
    }
    waited_ = true;
    if (done < 0) return;
    if (WIFEXITED(status)) {
      exit_code_ = static_cast<uint32_t>(WEXITSTATUS(status));
    } else if (WIFSIGNALED(status)) {
      int sig = WTERMSIG(status);
      exit_code_ = sig == SIGSEGV || sig == SIGBUS ? kAccessViolation : 128u + static_cast<uint32_t>(sig);
    }
  }

  void CloseStdout() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

  pid_t pid_;
  int fd_;
  LineSplitter lines_;
  bool waited_ = false;
  uint32_t exit_code_ = 0;
};

void ClosePipe(int (&ends)[2]) {
  for (int& fd : ends) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

}  // namespace

std::unique_ptr<Process> StartProcess(const ProcessOptions& options) {
  std::string program = NativePath(options.program);
  // A relative program is found from the current folder, as on Windows, not
  // from the child's working folder.
  if (!program.empty() && program.front() != '/') {
    char cwd[4096];
    if (::getcwd(cwd, sizeof cwd)) program = std::string(cwd) + "/" + program;
  }
  std::string folder = NativePath(options.working_folder);
  std::vector<std::string> args = {program};
  for (const UString& arg : SplitCommandLine(options.parameters)) args.push_back(EncodeUtf8(arg));
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  int out_pipe[2] = {-1, -1};
  if (options.capture_stdout && ::pipe2(out_pipe, O_CLOEXEC) != 0) return nullptr;
  int exec_error[2] = {-1, -1};  // closed by a successful exec; carries errno otherwise
  if (::pipe2(exec_error, O_CLOEXEC) != 0) {
    ClosePipe(out_pipe);
    return nullptr;
  }

  // A compiler run (hidden) gets a process group of its own, so that ending
  // it ends the helpers it started; a program run for the user stays in
  // Sparlin's group and keeps the terminal.
  const bool own_group = options.hidden;
  const pid_t parent = ::getpid();
  bool allowed = false;
  auto start_lock = Children().LockForStart(allowed);
  pid_t pid = allowed ? ::fork() : -1;
  if (pid < 0) {
    start_lock.unlock();
    ClosePipe(out_pipe);
    ClosePipe(exec_error);
    return nullptr;
  }
  if (pid == 0) {
    // The stop signals that Sparlin keeps blocked for its watcher are the
    // child's to receive.
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    if (own_group) ::setpgid(0, 0);
#ifdef __linux__
    // Killed with the thread that started it, however Sparlin ends.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);
#endif
    if (options.capture_stdout) ::dup2(out_pipe[1], STDOUT_FILENO);
    int err = 0;
    if (!folder.empty() && ::chdir(folder.c_str()) != 0) err = errno;
    if (err == 0) {
      ::execv(program.c_str(), argv.data());
      err = errno;
    }
    (void)!::write(exec_error[1], &err, sizeof err);
    ::_exit(127);
  }
  if (own_group) ::setpgid(pid, pid);  // also here: the group exists before anyone signals it
  Children().Add(pid, own_group);
  start_lock.unlock();
  ::close(exec_error[1]);
  if (options.capture_stdout) ::close(out_pipe[1]);
  int err = 0;
  ssize_t n;
  while ((n = ::read(exec_error[0], &err, sizeof err)) < 0 && errno == EINTR) {
  }
  ::close(exec_error[0]);
  if (n > 0) {
    Children().Remove(pid);
    int status;
    ::waitpid(pid, &status, 0);
    if (options.capture_stdout) ::close(out_pipe[0]);
    return nullptr;
  }
  return std::make_unique<PosixProcess>(pid, options.capture_stdout ? out_pipe[0] : -1);
}

}  // namespace sparlin::platform
