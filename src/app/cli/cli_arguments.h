// The command line of sparlin-cli:
//   sparlin-cli [--set KEY=VALUE]... [--log FILE] [--run] [--trace] [--report FILE] [--compare]
//               [--] PARAM1 [PARAM2]
//   sparlin-cli --help | -h | --version
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/options.h"

namespace sparlin {

struct OptionOverride {
  Option option;
  int64_t number = 0;
  UString text;
};

struct CliArguments {
  std::vector<OptionOverride> overrides;
  std::optional<UString> log_file;
  bool run = false;
  bool trace = false;
  bool help = false;     // --help or -h: print the usage, build nothing
  bool version = false;  // --version: print the version, build nothing
  std::vector<UString> parameters;  // PARAM1 and PARAM2, as given

  // The build report: the JSON file to write, and whether to measure the
  // build once more without library pruning.
  std::optional<UString> report_file;
  bool compare = false;
};

// nullopt with `error` set for a usage error.
std::optional<CliArguments> ParseCliArguments(const std::vector<UString>& args, std::string& error);

// Applies the overrides as the Settings window's controls would hold them.
void ApplyOverrides(const std::vector<OptionOverride>& overrides, OptionValues& values);

extern const char kCliUsage[];

}  // namespace sparlin
