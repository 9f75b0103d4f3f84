#include "asm_stage/assembly_rewrite.h"

#include <memory>
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

}  // namespace

void RewriteAssemblyFile(BuildContext& ctx) {
  AsmPassOptions options = ReadAsmPassOptions(ctx.host);
  const UString asm_path = ctx.state.globals.AsmPath;

  auto assembly_text = std::make_unique<AssemblyText>();
  if (!ReadAssemblyText(ctx.files, asm_path, *assembly_text)) {
    ShowFileError(ctx, ReadingFailedText(asm_path));
    return;
  }

  AsmValues& assembly = ctx.state.assembly;
  AsmPassResult result =
      RewriteAssemblyText(assembly_text->lines, options, PathFolder(ctx.state.globals.SourcePath), assembly,
                          ctx.text_limits, [&assembly_text] { assembly_text.reset(); });
  assembly_text.reset();
  if (result.failed) {
    // The rewritten text did not fit in memory; the file keeps its content.
    ShowFileError(ctx, WritingFailedText(asm_path));
    return;
  }
  ctx.host.SetProgress(37);

  if (assembly.Is64Bit == 0 && ctx.state.source.Format == u" /DLL") {
    FixExportDefinitionFile(ctx.files, PathFolder(asm_path) + u"PureBasic.def");
  }

  ctx.log.Append(AsmCountsSummary(result));
  ctx.host.SetProgress(41);
  ctx.log.Append(CalledFunctionsSummary(result));

  std::string bytes;
  if (options.remove_uncalled) {
    SortLibraryNames(assembly.ImportedLibraries);
    ctx.log.Append(ImportedLibrariesSummary(assembly.ImportedLibraries));
    ctx.host.SetProgress(45);
    bytes = RemoveUncalledLibrariesAsUtf8(ctx, assembly.ImportedLibraries, std::move(result.text),
                                          LibraryFolderOf(ctx.state.globals.CompilersFolder));
  } else {
    bytes = EncodeUtf8(result.text);
    result.text = UString();
  }
  bytes += "\r\n";
  if (!ctx.files.SafeReplaceFile(asm_path, bytes)) ShowFileError(ctx, WritingFailedText(asm_path));
}

}  // namespace sparlin
