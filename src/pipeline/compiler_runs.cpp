#include "pipeline/compiler_runs.h"

#include "asm_stage/assembly_rewrite.h"
#include "pruning/required_dlls.h"
#include "source_stage/ide_options.h"
#include "source_stage/macro_removal.h"
#include "source_stage/procedure_removal.h"
#include "source_stage/source_encoding.h"
#include "text/paths.h"

namespace sparlin {
namespace {

std::unique_ptr<platform::Process> StartCompiler(const GlobalValues& g, const UString& parameters) {
  platform::ProcessOptions options;
  options.program = g.CompilerPath;
  options.parameters = parameters;
  options.working_folder = PathFolder(g.SourcePath);
  options.capture_stdout = true;
  options.hidden = true;
  return platform::StartProcess(options);
}

// With an editor constant in use, the compiler gets the "const_" copy of the
// source that the IDE options step wrote, when it is there.
void SwitchToConstantsCopy(BuildState& s) {
  const SourceValues& src = s.source;
  if (src.CompileCount == 0 && src.BuildCount == 0 && src.ExeConstant == 0) return;
  GlobalValues& g = s.globals;
  UString candidate = PathFolder(g.SourcePath) + u"const_" + PathFileName(g.SourcePath);
  if (platform::FileSize(candidate) < 0) return;
  s.UserSourcePath = g.SourcePath;
  s.ConstCopyInUse = candidate;
  g.SourcePath = candidate;
}

// The IDE options go back to the end of the preprocessed file, in the
// encoding that the file's own byte-order mark names.
void AppendOptionsFooter(BuildContext& ctx) {
  const UString& path = ctx.state.globals.OptimizedSourcePath;
  std::string bytes;
  int64_t size = platform::FileSize(path);
  if (size == platform::kFileIsFolder) return;
  if (size >= 0 && !platform::ReadWholeFile(path, bytes)) return;
  TextEncoding encoding = DetectBom(bytes).encoding;
  bytes += EncodeText(ctx.state.source.OptionsFooter + u"\r\n", encoding);
  platform::SafeReplaceFile(path, bytes);
}

}  // namespace

UString PreprocessParameters(const GlobalValues& g) {
  return u"\"" + g.SourcePath + u"\" /PREPROCESS \"" + g.OptimizedSourcePath + u"\"";
}

UString AssemblyParameters(const GlobalValues& g, const CompilerSwitches& s) {
  return u"\"" + g.OptimizedSourcePath + u"\" /COMMENTED" + s.Joined();
}

UString ReassembleParameters(const GlobalValues& g, const CompilerSwitches& s) {
  return u"\"" + g.AsmPath + u"\" /REASM" + s.Joined();
}

bool CollectCompilerOutput(BuildContext& ctx, std::unique_ptr<platform::Process> process) {
  if (!process) return false;
  UString text;
  std::string line;
  while (process->ReadLine(line)) text += u"\t" + DecodeUtf8(line) + u"\r\n";
  uint32_t exit_code = process->Wait();
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

bool PreprocessStage(BuildContext& ctx) {
  if (ReadIdeOptions(ctx) == TextEncoding::kReadFailed) return false;
  ctx.host.SetProgress(0);
  ctx.log.Append(PreprocessHeader());
  if (!ctx.OptionOn(Option::CreatePB)) {
    ctx.log.Append(u"\tSkipped!");
    return true;
  }
  SwitchToConstantsCopy(ctx.state);
  if (!CollectCompilerOutput(ctx, StartCompiler(ctx.state.globals, PreprocessParameters(ctx.state.globals)))) {
    return false;
  }
  if (!ConvertSourceEncoding(ctx)) return false;
  if (ctx.OptionOn(Option::RemMacro)) RemoveMacros(ctx);
  if (ctx.OptionOn(Option::RemProcs)) RemoveUncalledProcedures(ctx);
  AppendOptionsFooter(ctx);
  return true;
}

bool AssemblyStage(BuildContext& ctx) {
  ctx.host.SetProgress(33);
  ctx.log.Append(AsmHeader());
  if (!ctx.OptionOn(Option::CreateASM)) {
    ctx.log.Append(u"\tSkipped!");
    return true;
  }
  const GlobalValues& g = ctx.state.globals;
  if (!CollectCompilerOutput(ctx, StartCompiler(g, AssemblyParameters(g, ctx.state.source.Switches)))) return false;
  RewriteAssemblyFile(ctx);
  return true;
}

bool ReassembleStage(BuildContext& ctx) {
  ctx.host.SetProgress(66);
  ctx.log.Append(ReasmHeader());
  if (!ctx.OptionOn(Option::CreateOUT)) {
    ctx.log.Append(u"\tSkipped!");
    ctx.host.SetProgress(100);
    return true;
  }
  const GlobalValues& g = ctx.state.globals;
  if (!CollectCompilerOutput(ctx, StartCompiler(g, ReassembleParameters(g, ctx.state.source.Switches)))) return false;
  CopyRequiredDlls(ctx);
  ctx.host.SetProgress(100);
  return true;
}

}  // namespace sparlin
