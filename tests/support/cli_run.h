// Runs sparlin-cli as a user would, for the end-to-end tests.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sparlin::testing {

struct CliResult {
  int exit_code = -1;
  std::string out;  // the run log, byte for byte
  std::string err;  // messages and trace lines
};

// Path of the sparlin-cli binary and of the stand-in installation (set by
// CTest); empty when unknown.
// `s` as one word of a POSIX shell command.
std::string ShellQuote(const std::string& s);

std::string CliBinary();
std::filesystem::path StandinInstall();
// PB_TOOL_Compiler for the stand-in installation.
std::string StandinCompiler();

// Runs sparlin-cli in `cwd` with `args`. PB_TOOL_Compiler and
// PB_TOOL_Executable are set from `env` (and removed when absent there); other
// variables of `env` are set too.
CliResult RunCli(const std::filesystem::path& cwd, const std::vector<std::string>& args,
                 const std::map<std::string, std::string>& env);

// A text with every "Time: N.Ns" replaced by "Time: T" (the one line whose
// content a test cannot know).
std::string FixTime(const std::string& log);

}  // namespace sparlin::testing
