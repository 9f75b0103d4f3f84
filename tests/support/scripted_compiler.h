// A compiler for the tests of the build: each start is handed to a script
// that may change the in-memory file system and says what the run prints and
// how it ends. Every start is recorded.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/process.h"

namespace sparlin::testing {

struct CompilerRun {
  UString program;
  std::vector<UString> arguments;  // the parameter text split by the Windows rules
  UString working_folder;
};

struct CompilerResult {
  std::vector<std::string> output_lines;
  uint32_t exit_code = 0;
};

class ScriptedCompiler : public platform::ProcessLauncher {
 public:
  // nullopt: the program cannot be started.
  using Script = std::function<std::optional<CompilerResult>(const CompilerRun&)>;

  explicit ScriptedCompiler(Script script) : script_(std::move(script)) {}

  std::unique_ptr<platform::Process> Start(const platform::ProcessOptions& options) override;

  std::vector<CompilerRun> runs;

 private:
  Script script_;
};

}  // namespace sparlin::testing
