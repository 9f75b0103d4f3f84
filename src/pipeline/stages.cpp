#include "pipeline/stages.h"

#include "asm_stage/assembly_rewrite.h"
#include "pruning/required_dlls.h"
#include "source_stage/ide_options.h"
#include "source_stage/macro_removal.h"
#include "source_stage/preprocessed_file.h"
#include "source_stage/procedure_removal.h"
#include "source_stage/source_encoding.h"
#include "core/build_paths.h"
#include "pipeline/compiler_process.h"
#include "pipeline/stage_record.h"
#include "text/paths.h"

namespace sparlin {
namespace {

// With an editor constant in use, the compiler gets the "const_" copy of the
// source that the IDE options step wrote, when it is there.
void SwitchToConstantsCopy(BuildContext& ctx) {
  BuildState& s = ctx.state;
  const SourceValues& src = s.source;
  if (src.CompileCount == 0 && src.BuildCount == 0 && src.ExeConstant == 0) return;
  GlobalValues& g = s.globals;
  UString candidate = ConstantsCopyPathOf(g.SourcePath);
  if (ctx.files.FileSize(candidate) < 0) return;
  s.UserSourcePath = g.SourcePath;
  s.ConstCopyInUse = candidate;
  g.SourcePath = candidate;
}

// The IDE options go back to the end of the preprocessed file, in the
// encoding that the file's own byte-order mark names, before any bytes that
// make no whole code unit. A file that is not there stays absent.
void AppendOptionsFooter(BuildContext& ctx) {
  const UString& path = ctx.state.globals.OptimizedSourcePath;
  std::string bytes;
  if (!ctx.files.ReadWholeFile(path, bytes)) return;
  TextEncoding encoding = DetectBom(bytes).encoding;
  size_t trailing = TrailingPartialUnit(bytes, encoding).size();
  bytes.insert(bytes.size() - trailing, EncodeText(ctx.state.source.OptionsFooter + u"\r\n", encoding));
  ctx.files.SafeReplaceFile(path, bytes);
}

}  // namespace

bool PreprocessStage(BuildContext& ctx) {
  if (ReadIdeOptions(ctx) == TextEncoding::kReadFailed) return false;
  ctx.host.SetProgress(0);
  ctx.log.Append(PreprocessHeader());
  if (!ctx.OptionOn(Option::CreatePB)) {
    ctx.log.Append(u"\tSkipped!");
    return true;
  }
  SwitchToConstantsCopy(ctx);
  const UString parameters = PreprocessParameters(ctx.state.globals);
  StageRecording recording(ctx, kStagePreprocess, parameters);  // for the build report
  if (!CollectCompilerOutput(ctx, StartCompiler(ctx, parameters))) return false;
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
  const UString parameters = AssemblyParameters(ctx.state.globals, ctx.state.source.Switches);
  StageRecording recording(ctx, kStageAssembly, parameters);  // for the build report
  if (!CollectCompilerOutput(ctx, StartCompiler(ctx, parameters))) return false;
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
  const UString parameters = ReassembleParameters(ctx.state.globals, ctx.state.source.Switches);
  StageRecording recording(ctx, kStageReassemble, parameters);  // for the build report
  if (!CollectCompilerOutput(ctx, StartCompiler(ctx, parameters))) return false;
  CopyRequiredDlls(ctx);
  ctx.host.SetProgress(100);
  return true;
}

}  // namespace sparlin
