#include "support/scripted_compiler.h"

#include "platform/command_line.h"

namespace sparlin::testing {
namespace {

class ScriptedProcess : public platform::Process {
 public:
  explicit ScriptedProcess(CompilerResult result) : result_(std::move(result)) {}

  bool ReadLine(std::string& line) override {
    if (next_ >= result_.output_lines.size()) return false;
    line = result_.output_lines[next_++];
    return true;
  }
  uint32_t Wait() override { return result_.exit_code; }

 private:
  CompilerResult result_;
  size_t next_ = 0;
};

}  // namespace

std::unique_ptr<platform::Process> ScriptedCompiler::Start(const platform::ProcessOptions& options) {
  CompilerRun run{options.program, SplitCommandLine(options.parameters), options.working_folder};
  runs.push_back(run);
  std::optional<CompilerResult> result = script_(run);
  if (!result) return nullptr;
  return std::make_unique<ScriptedProcess>(std::move(*result));
}

}  // namespace sparlin::testing
