// A child program for the process tests: prints its working folder and its
// arguments, one per line, then the text of its first argument's lines, and
// ends with the exit code given as the last argument; or leaves a child of its
// own behind (see LeaveChild).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

// "--leave-child": starts a copy of itself that sleeps while holding standard
// output, prints that copy's process id and ends at once.
int LeaveChild(const wchar_t* self) {
  std::wstring command = L"\"" + std::wstring(self) + L"\" --sleep";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  si.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(self, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) return 1;
  std::printf("%lu\n", static_cast<unsigned long>(pi.dwProcessId));
  std::fflush(stdout);
  return 0;
}

int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && std::wcscmp(argv[1], L"--leave-child") == 0) return LeaveChild(argv[0]);
  if (argc == 2 && std::wcscmp(argv[1], L"--sleep") == 0) {
    Sleep(30000);
    return 0;
  }
  wchar_t folder[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, folder);
  // UTF-8 so that the parent's line reader sees the bytes it expects.
  auto print = [](const wchar_t* text) {
    char bytes[4096];
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    std::fwrite(bytes, 1, n > 0 ? n - 1 : 0, stdout);
  };
  print(folder);
  std::fputs("\n", stdout);
  for (int i = 1; i < argc; ++i) {
    print(argv[i]);
    std::fputs("\n", stdout);
  }
  std::fputs("no line end", stdout);
  std::fflush(stdout);
  return argc > 1 ? std::wcstol(argv[argc - 1], nullptr, 16) : 0;
}
