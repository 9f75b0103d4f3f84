// The POSIX entry of a console program: UTF-8 arguments.
#include "platform/console_entry.h"

int main(int argc, char** argv) {
  std::vector<sparlin::UString> args;
  for (int i = 1; i < argc; ++i) args.push_back(sparlin::DecodeUtf8(argv[i]));
  return sparlin::platform::ConsoleMain(args);
}
