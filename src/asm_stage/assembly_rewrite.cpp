#include "asm_stage/assembly_rewrite.h"

#include <memory>
#include <optional>
#include <string>

#include "asm_format/assembly_lines.h"
#include "asm_stage/assembly_text_pass.h"
#include "asm_stage/export_definitions.h"
#include "core/build_paths.h"
#include "core/messages.h"
#include "pruning/uncalled_removal.h"
#include "text/paths.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

constexpr char16_t kErrorTitle[] = u"Error Comments";

void ShowFileError(BuildContext& ctx, const UString& text) { ctx.host.ShowMessage(kErrorTitle, text, MessageIcon::kError); }

// The line pass over the file's bytes, which the compiler writes as UTF-8
// (in practice ASCII).
AsmBytesPassResult RunLinePass(BuildContext& ctx, std::string bytes, const AsmPassOptions& options) {
  bytes.erase(0, DetectBom(bytes).length);
  AsmBytesPassResult result = RewriteAssemblyBytes(bytes, options, PathFolder(ctx.state.globals.SourcePath),
                                                   ctx.state.assembly, ctx.text_limits);
  std::string().swap(bytes);  // freed, not only emptied
  return result;
}

// For the measured comparison of the build report: the file as it would be
// written with these line rules and no pruning.
void KeepUnprunedAssembly(BuildContext& ctx, const AsmBytesPassResult& pass) {
  if (!ctx.record.keep_unpruned_assembly) return;
  ctx.record.unpruned_assembly = pass.text + "\r\n";
}

}  // namespace

void RewriteAssemblyFile(BuildContext& ctx) {
  AsmPassOptions options = ReadAsmPassOptions(ctx.host);
  const UString asm_path = ctx.state.globals.AsmPath;

  std::string file_bytes;
  if (!ctx.files.ReadWholeFile(asm_path, file_bytes)) {
    ShowFileError(ctx, ReadingFailedText(asm_path));
    return;
  }
  AsmBytesPassResult pass = RunLinePass(ctx, std::move(file_bytes), options);
  if (pass.failed) {
    // The rewritten text did not fit in memory; the file keeps its content.
    ShowFileError(ctx, WritingFailedText(asm_path));
    return;
  }
  ctx.host.SetProgress(37);

  AsmValues& assembly = ctx.state.assembly;
  if (assembly.Is64Bit == 0 && ctx.state.source.Format == u" /DLL") {
    FixExportDefinitionFile(ctx.files, PathFolder(asm_path) + u"PureBasic.def");
  }

  ctx.log.Append(AsmCountsSummary(pass));
  ctx.host.SetProgress(41);
  ctx.log.Append(CalledFunctionsSummary(pass));

  std::string bytes;
  const UString library_folder = LibraryFolderOf(ctx.state.globals.CompilersFolder);
  if (options.remove_uncalled) {
    KeepUnprunedAssembly(ctx, pass);
    SortLibraryNames(assembly.ImportedLibraries);
    ctx.log.Append(ImportedLibrariesSummary(assembly.ImportedLibraries));
    ctx.host.SetProgress(45);
    bytes = RemoveUncalledLibraries(ctx, assembly.ImportedLibraries, std::move(pass.text), library_folder);
  } else {
    bytes = std::move(pass.text);
  }
  bytes += "\r\n";
  if (!ctx.files.SafeReplaceFile(asm_path, bytes)) ShowFileError(ctx, WritingFailedText(asm_path));
}

}  // namespace sparlin
