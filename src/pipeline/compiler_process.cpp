#include "pipeline/compiler_process.h"

#include "core/messages.h"
#include "pipeline/stage_record.h"
#include "platform/command_line.h"
#include "text/paths.h"

namespace sparlin {

// Every path is quoted as Windows quotes one argument, so that a path with a
// quote in it (possible on Linux) stays one argument.
UString PreprocessParameters(const GlobalValues& g) {
  return QuotedPath(g.SourcePath) + u" /PREPROCESS " + QuotedPath(g.OptimizedSourcePath);
}

UString AssemblyParameters(const GlobalValues& g, const CompilerSwitches& s) {
  return QuotedPath(g.OptimizedSourcePath) + u" /COMMENTED" + s.Joined();
}

UString ReassembleParameters(const GlobalValues& g, const CompilerSwitches& s) {
  return QuotedPath(g.AsmPath) + u" /REASM" + s.Joined();
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
  if (!process) {
    // Not while Sparlin is stopping: then no compiler is started on purpose.
    if (!ctx.processes.StartsRefused()) {
      ctx.host.ShowMessage(kCompilerNotStartedTitle, CompilerNotStartedText(ctx.state.globals.CompilerPath),
                           MessageIcon::kError);
    }
    return false;
  }
  // Each line goes straight into the log's buffer as its bytes (the log is
  // UTF-8, and the bytes come back out unchanged), so that a long output is
  // held once.
  ctx.log.BeginEntry();
  std::string line;
  while (process->ReadLine(line)) ctx.log.AddToEntry({"\t", line, "\r\n"});
  std::string().swap(line);
  uint32_t exit_code = process->Wait();
  RecordCompilerExitCode(ctx, exit_code);  // for the build report
  process.reset();
  ctx.log.AddToEntry({"\r\n\r\n", "\tOptimizing...\r\n", "\r\n"});
  ctx.log.EndEntry();
  if (exit_code != 0) {
    ctx.host.PlaySound(Sound::kError);
    return false;
  }
  return true;
}

}  // namespace sparlin
