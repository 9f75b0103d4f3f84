#include "app/compare_run.h"

#include "core/messages.h"
#include "pipeline/compiler_process.h"
#include "platform/platform.h"
#include "platform/temporary_name.h"
#include "text/paths.h"

namespace sparlin {
namespace {

CompareOutcome Nothing(UString reason) {
  CompareOutcome outcome;
  outcome.kind = CompareOutcome::Kind::kNothingToCompare;
  outcome.reason = std::move(reason);
  return outcome;
}

CompareOutcome Failed(std::optional<uint32_t> exit_code, UString reason) {
  CompareOutcome outcome;
  outcome.kind = CompareOutcome::Kind::kFailed;
  outcome.exit_code = exit_code;
  outcome.reason = std::move(reason);
  return outcome;
}

// A fresh name in `folder` for one of the comparison's files.
UString FreshPath(UStringView folder, UStringView extension) {
  UString path = platform::TemporaryPathBeside(UString(folder) + u"Sparl_compare");
  return extension.empty() ? path : path + u"." + UString(extension);
}

}  // namespace

UString TemporaryFolder() {
  for (const char16_t* name : {u"TMPDIR", u"TMP", u"TEMP"}) {
    UString folder = platform::GetEnv(name);
    if (folder.empty()) continue;
    if (folder.back() != u'/' && folder.back() != u'\\') folder += u"/";
    return folder;
  }
  return u"/tmp/";
}

CompilerSwitches WithOutputPath(CompilerSwitches switches, UStringView output_path) {
  // The Exe switch ends with " /EXE \"" + output path + "\"" (after the
  // format switch, when the source names its executable).
  size_t at = switches.Exe.rfind(u" /EXE \"");
  if (at == UString::npos) at = switches.Exe.size();
  switches.Exe = switches.Exe.substr(0, at) + u" /EXE \"" + UString(output_path) + u"\"";
  return switches;
}

CompareOutcome MeasureWithoutPruning(BuildContext& ctx, UStringView temporary_folder) {
  const BuildRecord& record = ctx.record;
  if (!record.pruning.ran || !record.unpruned_assembly) {
    if (!ctx.OptionOn(Option::RemUncalled)) return Nothing(u"RemUncalled is off: nothing was pruned");
    if (!ctx.OptionOn(Option::CreateASM)) return Nothing(u"CreateASM is off: nothing was pruned");
    return Nothing(u"the build did not reach library pruning");
  }
  const GlobalValues& g = ctx.state.globals;
  UString assembly_path = FreshPath(PathFolder(g.AsmPath), u"asm");
  UString output_path = FreshPath(temporary_folder, PathExtension(PathFileName(g.OutputPath)));
  if (!ctx.files.CreateNewFile(assembly_path, *record.unpruned_assembly)) {
    return Failed(std::nullopt, WritingFailedText(assembly_path));
  }
  CompilerSwitches switches = WithOutputPath(ctx.state.source.Switches, output_path);
  auto process = StartCompiler(ctx, u"\"" + assembly_path + u"\" /REASM" + switches.Joined());
  std::optional<uint32_t> exit_code;
  if (process) {
    // Its output is not the run log's: read and dropped.
    std::string line;
    while (process->ReadLine(line)) {
    }
    exit_code = process->Wait();
    process.reset();
  }
  int64_t bytes = ctx.files.FileSize(output_path);
  ctx.files.DeleteFile(output_path);
  ctx.files.DeleteFile(assembly_path);
  if (!exit_code) return Failed(std::nullopt, u"the compiler could not be started");
  if (*exit_code != 0) return Failed(exit_code, u"the compiler's run without pruning failed");
  if (bytes < 0) return Failed(exit_code, u"the compiler's run without pruning made no output");
  CompareOutcome outcome;
  outcome.kind = CompareOutcome::Kind::kMeasured;
  outcome.bytes = bytes;
  return outcome;
}

}  // namespace sparlin
