// A child program for the process tests: prints its working folder and its
// arguments, one per line, then the text of its first argument's lines, and
// ends with the exit code given as the last argument.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
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
