// The Windows entry of a console program: UTF-16 arguments, and standard
// output in binary mode so that "\r\n" reaches it byte for byte.
#include <fcntl.h>
#include <io.h>
#include <stdio.h>

#include "platform/console_entry.h"

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<sparlin::UString> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
  return sparlin::platform::ConsoleMain(args);
}
