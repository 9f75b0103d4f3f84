#include "pruning/required_dlls.h"

#include <array>
#include <string>

#include "asm_format/assembly_lines.h"
#include "asm_format/data_word_line.h"
#include "core/build_paths.h"
#include "text/paths.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

struct CompilerDll {
  const char16_t* library;
  const char16_t* dll;
};

// Runtime libraries that load a DLL shipped beside the compiler.
constexpr std::array<CompilerDll, 3> kCompilerDlls = {{
    {u"Engine3D", u"Engine3d.dll"},
    {u"Scintilla", u"Scintilla.dll"},
    {u"DatabaseMySQL", u"libmariadb.dll"},
}};

class DllCopier {
 public:
  explicit DllCopier(BuildContext& ctx)
      : ctx_(ctx),
        output_folder_(PathFolder(ctx.state.globals.OutputPath)),
        source_folder_(PathFolder(ctx.state.globals.SourcePath)) {}

  void CopyCompilerDlls() {
    UString compiler_folder = PathFolder(ctx_.state.globals.CompilerPath);
    for (const UString& library : ctx_.state.assembly.ImportedLibraries) {
      for (const CompilerDll& entry : kCompilerDlls) {
        if (library != entry.library) continue;
        UString target = output_folder_ + entry.dll;
        if (!IsOutputFile(target) && ctx_.files.CopyFileOver(compiler_folder + entry.dll, target)) {
          ctx_.log.Append(u"\t\u00B7  " + UString(entry.dll) + u" --> " + target + u"\r\n");
          ctx_.record.dlls_copied.push_back({entry.dll, target});  // for the build report
        }
      }
    }
  }

  // An import library with a DLL of the same base name beside it.
  void CopyImportLibraryDll(UStringView line) {
    UString library_path = TrimBlanks(TrimLeadingSemicolons(line));
    if (!ctx_.files.FileExists(library_path)) return;
    UString dll = PathFolder(library_path) + PathBaseName(library_path) + u".dll";
    if (!ctx_.files.FileExists(dll) || PathFolder(dll) == output_folder_) return;
    CopyAndLog(dll, PathFileName(dll));
  }

  // A string literal naming a DLL, as written or relative to the source folder.
  void CopyLiteralDll(UStringView line) {
    UString named = DllPathFromDataWordLine(line);
    if (named.empty()) return;
    if (ctx_.files.FileExists(named)) {
      if (PathFolder(named) != output_folder_) CopyAndLog(named, PathFileName(named));
    } else if (ctx_.files.FileExists(source_folder_ + named) && source_folder_ != output_folder_) {
      CopyAndLog(source_folder_ + named, named);
    }
  }

 private:
  static UString TrimLeadingSemicolons(UStringView line) {
    size_t start = line.find_first_not_of(u';');
    return start == UStringView::npos ? UString() : UString(line.substr(start));
  }

  // The program just built is never replaced by a DLL of the same name.
  bool IsOutputFile(const UString& target) {
    const UString& output = ctx_.state.globals.OutputPath;
    return NamesSameFile(target, output) || ctx_.files.SameFile(target, output);
  }

  void CopyAndLog(const UString& from, const UString& shown_name) {
    UString target = output_folder_ + PathFileName(from);
    if (!IsOutputFile(target) && ctx_.files.CopyFileOver(from, target)) {
      ctx_.log.Append(u"\t\u00B7  " + shown_name + u" --> " + target + u"\r\n");
      ctx_.record.dlls_copied.push_back({shown_name, target});  // for the build report
    }
  }

  BuildContext& ctx_;
  UString output_folder_;
  UString source_folder_;
};

}  // namespace

UString DllPathFromDataWordLine(UStringView line) {
  UString text = TrimBlanks(DecodeDataWordLine(line));
  // A zero inside the string ends the name the system would see: no file.
  if (text.find(u'\0') != UString::npos) return UString();
  return ToLower(PathExtension(text)) == u"dll" ? text : UString();
}

void CopyRequiredDlls(BuildContext& ctx) {
  if (!ctx.OptionOn(Option::CopyDLL)) return;
  DllCopier copier(ctx);
  copier.CopyCompilerDlls();

  std::string bytes;
  if (!ctx.files.ReadWholeFile(ctx.state.globals.AsmPath, bytes)) return;
  // Only two sections matter: read those alone, in file order. Should they
  // overlap, every line is read as it comes.
  std::optional<std::string_view> imports = SectionBytes(bytes, "; :Import", "format MS");
  std::optional<std::string_view> strings = SectionBytes(bytes, "_SYS_StaticStringStart", "_SYS_StaticStringEnd");
  auto lines_of = [](std::string_view section) { return SplitLines(DecodeUtf8(section)); };
  if (imports && strings && imports->data() < strings->data() + strings->size() &&
      strings->data() < imports->data() + imports->size()) {
    SectionTracker import_lines = ImportSection();
    SectionTracker string_lines = StaticStringSection();
    for (const UString& raw : SplitLines(DecodeCompilerFileText(bytes))) {
      UStringView line = TrimBlanksView(raw);
      if (line.empty()) continue;
      if (import_lines.Inside(line)) copier.CopyImportLibraryDll(line);
      if (string_lines.Inside(line)) copier.CopyLiteralDll(line);
    }
    return;
  }
  auto copy_section = [&](std::string_view section, bool is_imports) {
    for (const UString& raw : lines_of(section)) {
      UStringView line = TrimBlanksView(raw);
      if (line.empty()) continue;
      if (is_imports) copier.CopyImportLibraryDll(line);
      else copier.CopyLiteralDll(line);
    }
  };
  bool imports_first = imports && (!strings || imports->data() < strings->data());
  if (imports_first) copy_section(*imports, true);
  if (strings) copy_section(*strings, false);
  if (imports && !imports_first) copy_section(*imports, true);
}

}  // namespace sparlin
