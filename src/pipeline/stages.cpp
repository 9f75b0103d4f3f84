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
#include "platform/forwarding_file_system.h"
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

namespace {

// Watches the assembly rewrite's reading and replacing of the assembly file:
// the rewrite reports its failures as messages only, and the stage must not
// link a file that it did not rewrite.
class AssemblyFileWatch final : public platform::ForwardingFileSystem {
 public:
  AssemblyFileWatch(platform::FileSystem& inner, UStringView asm_path)
      : ForwardingFileSystem(inner), asm_path_(asm_path) {}

  bool ReadWholeFile(UStringView path, std::string& bytes) override {
    bool read = ForwardingFileSystem::ReadWholeFile(path, bytes);
    if (path == asm_path_ && !read) unreadable_ = true;
    return read;
  }
  bool SafeReplaceFile(UStringView path, std::string_view bytes) override {
    bool replaced = ForwardingFileSystem::SafeReplaceFile(path, bytes);
    if (path == asm_path_ && replaced) rewritten_ = true;
    return replaced;
  }

  // The rewritten file is in place, or there was none to rewrite (the
  // reassemble run then meets the missing file as before).
  bool MayGoOn() const { return rewritten_ || unreadable_; }

 private:
  UString asm_path_;
  bool unreadable_ = false;
  bool rewritten_ = false;
};

}  // namespace

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
  AssemblyFileWatch watch(ctx.files, ctx.state.globals.AsmPath);
  // The same context on the watched files; the record goes with it and back.
  BuildContext watched{ctx.state,       ctx.host,           ctx.log,         watch,
                       ctx.processes,   ctx.text_limits,    std::move(ctx.record), ctx.after_output};
  RewriteAssemblyFile(watched);
  ctx.record = std::move(watched.record);
  return watch.MayGoOn();
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
