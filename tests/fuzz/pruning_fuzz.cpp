// The whole pruning step as the assembly stage runs it: the text pass
// collects the header's library names, then RemoveUncalledLibraries prunes by
// the library files. The input is
//   flags byte, assembly file, then per library file "\n@@@ " name "\n" bytes.
// A library that the input does not hold is one that cannot be opened.
// The fast pruning, on UTF-16 text and (for an ASCII file) on its bytes, must
// give what the straightforward one gives: the same text, library list, log
// items, progress points and beeps.
#include <map>

#include "asm_format/assembly_lines.h"
#include "asm_stage/assembly_text_pass.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"
#include "oracle/literal_assembly_pass.h"
#include "oracle/literal_pruning.h"
#include "pruning/uncalled_removal.h"

using namespace sparlin;

namespace {

constexpr std::string_view kFileMark = "\n@@@ ";
constexpr char16_t kLibraryFolder[] = u"C:\\PureBasic\\PureLibraries\\";

// The assembly file and the library files by path.
std::string_view SplitFiles(std::string_view input, std::map<UString, std::string>& files) {
  size_t mark = input.find(kFileMark);
  std::string_view assembly_file = input.substr(0, mark);
  while (mark != std::string_view::npos) {
    std::string_view rest = input.substr(mark + kFileMark.size());
    size_t next = rest.find(kFileMark);
    auto [name, bytes] = fuzz::TakeLine(rest.substr(0, next));
    files.emplace(kLibraryFolder + DecodeUtf8(name), std::string(bytes));
    mark = next == std::string_view::npos ? next : mark + kFileMark.size() + next;
  }
  return assembly_file;
}

}  // namespace

SPARLIN_FUZZ_TARGET(pruning) {
  auto [flags, input] = fuzz::TakeByte(fuzz::AsBytes(data, size));
  std::map<UString, std::string> files;
  std::string_view assembly_file = SplitFiles(input, files);

  AsmPassOptions pass_options;
  pass_options.remove_comments = flags & 1;
  pass_options.remove_empty = flags & 2;
  pass_options.remove_uncalled = true;
  AsmValues assembly;
  oracle::LiteralAsmPass pass = oracle::LiteralRewriteAssembly(DecodeUtf8(assembly_file), pass_options, u"",
                                                               assembly, INT32_MAX);
  SortLibraryNames(assembly.ImportedLibraries);

  PruningSettings settings;
  settings.is_64_bit = assembly.Is64Bit != 0;
  settings.remove_plugins_by_extension = flags & 4;
  if (flags & 8) settings.dpi_aware_switch = u" /DPIAWARE";
  struct Effects {
    std::vector<UString> log;
    std::vector<int> progress;
    int beeps = 0;
    bool operator==(const Effects&) const = default;
  };
  auto io_for = [&files](Effects& effects) {
    PruningIo io;
    io.read_file = [&files](const UString& path, std::string& bytes) {
      auto found = files.find(path);
      if (found == files.end()) return false;
      bytes = found->second;
      return true;
    };
    io.log = [&effects](const UString& item) { effects.log.push_back(item); };
    io.progress = [&effects](int percent) { effects.progress.push_back(percent); };
    io.beep = [&effects] { ++effects.beeps; };
    return io;
  };
  Effects literal_effects;
  std::vector<UString> libraries = assembly.ImportedLibraries;
  std::vector<UString> literal_libraries = assembly.ImportedLibraries;
  UString literal_text = oracle::LiteralRemoveUncalledLibraries(literal_libraries, pass.text, kLibraryFolder, settings,
                                                                io_for(literal_effects));
  SPARLIN_FUZZ_CHECK(libraries.size() <= assembly.ImportedLibraries.size());

  // The file's bytes through both steps, as the stage runs them.
  AsmValues byte_assembly;
  AsmBytesPassResult byte_pass = RewriteAssemblyBytes(assembly_file, pass_options, u"", byte_assembly);
  SortLibraryNames(byte_assembly.ImportedLibraries);
  SPARLIN_FUZZ_CHECK(byte_assembly.ImportedLibraries == assembly.ImportedLibraries);
  Effects fast_effects;
  std::string fast_text = RemoveUncalledLibraries(libraries, std::move(byte_pass.text), kLibraryFolder, settings,
                                                  io_for(fast_effects));
  SPARLIN_FUZZ_CHECK(fast_text == EncodeUtf8(literal_text));
  SPARLIN_FUZZ_CHECK(libraries == literal_libraries);
  SPARLIN_FUZZ_CHECK(fast_effects == literal_effects);
  return 0;
}
