// Child processes with the Win32 API: CreateProcessW with a hidden window and
// standard output through an inherited pipe, read until the program's end
// (not its children's), exit codes. Every child runs in one job object that
// kills it when Sparlin's handle to the job closes, however Sparlin ends.
#include <algorithm>
#include <atomic>
#include <mutex>

#include "platform/child_processes.h"
#include "platform/command_line.h"
#include "text/line_splitter.h"
#include "platform/os_calls.h"
#include "platform/platform.h"
#include "platform/win32/windows_api.h"

namespace sparlin::platform {
namespace {

using win32::Wide;

class Win32Process : public Process {
 public:
  Win32Process(HANDLE process, HANDLE stdout_read) : process_(process), read_(stdout_read) {}
  ~Win32Process() override {
    CloseRead();
    CloseHandle(process_);
  }

  // Reads until the pipe is closed, or until the program has ended and the
  // pipe holds nothing more for now: a child that the program left behind
  // may keep the pipe open for as long as it likes.
  bool ReadLine(std::string& line) override {
    return lines_.NextLine(line, [this](char* chunk, size_t size) -> size_t {
      while (read_) {
        // The end is looked at before the pipe, so that everything the
        // program wrote before its end is seen on this look.
        bool ended = WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
        DWORD waiting = 0;
        if (!PeekNamedPipe(read_, nullptr, 0, nullptr, &waiting, nullptr)) break;  // closed
        if (waiting > 0) {
          DWORD got = 0;
          if (!ReadFile(read_, chunk, static_cast<DWORD>(std::min<size_t>(size, waiting)), &got, nullptr) ||
              got == 0) {
            break;
          }
          return got;
        }
        if (ended) break;
        WaitForSingleObject(process_, kPollMillis);
      }
      CloseRead();
      return 0;
    });
  }

  uint32_t Wait() override {
    WaitForSingleObject(process_, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
  }

 private:
  // How long the reader waits for the program's end between looks at an
  // empty pipe.
  static constexpr DWORD kPollMillis = 50;

  void CloseRead() {
    if (read_) CloseHandle(read_);
    read_ = nullptr;
  }

  HANDLE process_;
  HANDLE read_;
  LineSplitter lines_;
};

// While one thread creates a pipe and a child, no other child may be started:
// it would inherit the pipe's write end and keep the pipe open after the
// first child has ended.
std::mutex& InheritanceLock() {
  static std::mutex lock;
  return lock;
}

// The parent's standard error as an inheritable handle for the child (a
// window program has none: then the null device).
HANDLE InheritableStderr() {
  HANDLE own = GetStdHandle(STD_ERROR_HANDLE);
  HANDLE copy = nullptr;
  if (own && own != INVALID_HANDLE_VALUE &&
      DuplicateHandle(GetCurrentProcess(), own, GetCurrentProcess(), &copy, 0, TRUE, DUPLICATE_SAME_ACCESS)) {
    return copy;
  }
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  return CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, OPEN_EXISTING, 0, nullptr);
}

// The job of every child; null when none could be made (the children then
// run outside one).
HANDLE ChildJob() {
  static HANDLE job = [] {
    HANDLE made = CreateJobObjectW(nullptr, nullptr);
    if (!made) return made;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(made, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
      CloseHandle(made);
      return HANDLE{nullptr};
    }
    return made;
  }();
  return job;
}

std::atomic<bool> children_ended{false};

HANDLE OpenNul() {
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  return CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, OPEN_EXISTING,
                     0, nullptr);
}

}  // namespace

void EndChildProcesses() {
  std::lock_guard<std::mutex> lock(InheritanceLock());
  children_ended = true;
  if (HANDLE job = ChildJob()) TerminateJobObject(job, 1);
}

bool ChildProcessesEnded() { return children_ended; }

std::unique_ptr<Process> StartProcess(const ProcessOptions& options) {
  if (options.program.empty()) return nullptr;
  std::wstring command_line = Wide(QuoteArgument(options.program));
  if (!options.parameters.empty()) command_line += L" " + Wide(options.parameters);
  std::wstring folder = Wide(options.working_folder);
  std::wstring program = Wide(options.program);

  std::lock_guard<std::mutex> lock(InheritanceLock());
  if (children_ended) return nullptr;
  HANDLE read_end = nullptr;
  HANDLE write_end = nullptr;
  HANDLE nul = INVALID_HANDLE_VALUE;
  HANDLE err = INVALID_HANDLE_VALUE;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  if (options.hidden) {
    si.dwFlags |= STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
  }
  if (options.capture_stdout) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    if (!CreatePipe(&read_end, &write_end, &sa, 0)) return nullptr;
    SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
    nul = OpenNul();
    si.dwFlags |= STARTF_USESTDHANDLES;
    si.hStdInput = nul;
    si.hStdOutput = write_end;
    err = InheritableStderr();
    si.hStdError = err;
  }
  PROCESS_INFORMATION pi{};
  // Suspended until it is in the job, so that nothing it starts escapes it.
  DWORD flags = CREATE_UNICODE_ENVIRONMENT | CREATE_SUSPENDED | (options.hidden ? CREATE_NO_WINDOW : 0);
  BOOL started = CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr,
                                options.capture_stdout ? TRUE : FALSE, flags, nullptr,
                                folder.empty() ? nullptr : folder.c_str(), &si, &pi);
  // The child holds its own copies now; the pipe ends when the child ends.
  if (write_end) CloseHandle(write_end);
  if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
  if (err != INVALID_HANDLE_VALUE) CloseHandle(err);
  if (!started) {
    if (read_end) CloseHandle(read_end);
    return nullptr;
  }
  if (HANDLE job = ChildJob()) AssignProcessToJobObject(job, pi.hProcess);
  ResumeThread(pi.hThread);
  CloseHandle(pi.hThread);
  return std::make_unique<Win32Process>(pi.hProcess, read_end);
}

}  // namespace sparlin::platform
