#include "pipeline/compiler_process.h"

#include "pipeline/stage_record.h"
#include "text/paths.h"

namespace sparlin {

UString PreprocessParameters(const GlobalValues& g) {
  return u"\"" + g.SourcePath + u"\" /PREPROCESS \"" + g.OptimizedSourcePath + u"\"";
}

UString AssemblyParameters(const GlobalValues& g, const CompilerSwitches& s) {
  return u"\"" + g.OptimizedSourcePath + u"\" /COMMENTED" + s.Joined();
}

UString ReassembleParameters(const GlobalValues& g, const CompilerSwitches& s) {
  return u"\"" + g.AsmPath + u"\" /REASM" + s.Joined();
}

std::unique_ptr<platform::Process> StartCompiler(BuildContext& ctx, const UString& parameters) {
  const GlobalValues& g = ctx.state.globals;
  platform::ProcessOptions options;
  options.program = g.CompilerPath;
  options.parameters = parameters;
  options.working_folder = PathFolder(g.SourcePath);
  options.capture_stdout = true;
  options.hidden = true;
  return ctx.processes.Start(options);
}

bool CollectCompilerOutput(BuildContext& ctx, std::unique_ptr<platform::Process> process) {
  if (!process) return false;
  UString text;
  std::string line;
  while (process->ReadLine(line)) text += u"\t" + DecodeUtf8(line) + u"\r\n";
  uint32_t exit_code = process->Wait();
  RecordCompilerExitCode(ctx, exit_code);  // for the build report
  text += u"\r\n\r\n";
  text += u"\tOptimizing...\r\n";
  text += u"\r\n";
  process.reset();
  ctx.log.Append(text);
  if (exit_code != 0) {
    ctx.host.PlaySound(Sound::kError);
    return false;
  }
  return true;
}

}  // namespace sparlin
