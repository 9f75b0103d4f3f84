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

// The line pass over the file's text: on its bytes when they are all ASCII
// (the compiler's usual output), else on its UTF-16 text. Either way the
// result is the new text as UTF-16, or as ASCII bytes in `ascii`.
struct StageText {
  AsmPassCounts counts;
  std::optional<std::string> ascii;
  UString text;
};

StageText RunLinePass(BuildContext& ctx, std::string bytes, const AsmPassOptions& options) {
  AsmValues& assembly = ctx.state.assembly;
  UString source_folder = PathFolder(ctx.state.globals.SourcePath);
  StageText out;
  bytes.erase(0, DetectBom(bytes).length);
  if (IsAsciiText(bytes)) {
    AsciiAsmPassResult result = RewriteAsciiAssemblyText(bytes, options, source_folder, assembly, ctx.text_limits);
    std::string().swap(bytes);  // freed, not only emptied
    out.counts = result;
    if (result.ascii) {
      out.ascii = std::move(result.text);
    } else {
      out.text = DecodeUtf8(result.text);
    }
    return out;
  }
  auto assembly_text = std::make_unique<AssemblyText>();
  DecodeAssemblyText(bytes, *assembly_text);
  std::string().swap(bytes);
  AsmPassResult result = RewriteAssemblyText(assembly_text->lines, options, source_folder, assembly,
                                             ctx.text_limits, [&assembly_text] { assembly_text.reset(); });
  out.counts = result;
  out.text = std::move(result.text);
  return out;
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
  StageText pass = RunLinePass(ctx, std::move(file_bytes), options);
  if (pass.counts.failed) {
    // The rewritten text did not fit in memory; the file keeps its content.
    ShowFileError(ctx, WritingFailedText(asm_path));
    return;
  }
  ctx.host.SetProgress(37);

  AsmValues& assembly = ctx.state.assembly;
  if (assembly.Is64Bit == 0 && ctx.state.source.Format == u" /DLL") {
    FixExportDefinitionFile(ctx.files, PathFolder(asm_path) + u"PureBasic.def");
  }

  ctx.log.Append(AsmCountsSummary(pass.counts));
  ctx.host.SetProgress(41);
  ctx.log.Append(CalledFunctionsSummary(pass.counts));

  std::string bytes;
  const UString library_folder = LibraryFolderOf(ctx.state.globals.CompilersFolder);
  if (options.remove_uncalled) {
    SortLibraryNames(assembly.ImportedLibraries);
    ctx.log.Append(ImportedLibrariesSummary(assembly.ImportedLibraries));
    ctx.host.SetProgress(45);
    bytes = pass.ascii ? RemoveUncalledLibrariesFromAscii(ctx, assembly.ImportedLibraries, std::move(*pass.ascii),
                                                          library_folder)
                       : RemoveUncalledLibrariesAsUtf8(ctx, assembly.ImportedLibraries, std::move(pass.text),
                                                       library_folder);
  } else if (pass.ascii) {
    bytes = std::move(*pass.ascii);
  } else {
    bytes = EncodeUtf8(pass.text);
    pass.text = UString();
  }
  bytes += "\r\n";
  if (!ctx.files.SafeReplaceFile(asm_path, bytes)) ShowFileError(ctx, WritingFailedText(asm_path));
}

}  // namespace sparlin
