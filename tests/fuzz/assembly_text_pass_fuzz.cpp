// The line-by-line rewrite of the compiler's assembly. The first byte chooses
// the options, the rest of the first line is the source folder, the rest is
// the assembly file. Without path removal the result must be what the line
// rules give, read one by one (the model below): the text, the counts, the
// called functions, the library names and the bitness. With it, the file's
// bytes (when ASCII) must give what its lines give.
#include "asm_stage/assembly_text_pass.h"
#include "asm_format/assembly_lines.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"

using namespace sparlin;

namespace {

struct Model {
  UString text;
  UString called;
  int64_t called_count = 0;
  int64_t empty_removed = 0;
  int64_t comments_removed = 0;
  std::vector<UString> libraries;
  int is_64_bit = 0;
  bool entry_seen = false;
};

bool Begins(UStringView line, UStringView head) { return line.substr(0, head.size()) == head; }

// The text between the first and the second blank (to the end without one).
UString SecondWord(UStringView line) {
  size_t first = line.find(u' ');
  if (first == UStringView::npos) return UString();
  size_t second = line.find(u' ', first + 1);
  return UString(line.substr(first + 1, second == UStringView::npos ? UStringView::npos : second - first - 1));
}

Model RunModel(const std::vector<UString>& lines, const AsmPassOptions& options) {
  Model m;
  bool format_seen = false;
  int empty_count = options.empty_lines;
  int nop_count = options.nop_lines;
  UString empty_insert, nop_insert;
  for (UString line : lines) {
    while (!line.empty() && line.back() == u' ') line.pop_back();
    if (!m.entry_seen && (Begins(line, u"PureBasicStart") || Begins(line, u"_DLLEntryPoint"))) {
      m.entry_seen = true;
      m.text += line + u"\r\n";
      continue;
    }
    if (options.remove_empty && line.empty()) {
      ++m.empty_removed;
      continue;
    }
    if (Begins(line, u"format")) {
      m.is_64_bit = line.find(u" MS64") != UString::npos;
      format_seen = true;
    }
    if (options.remove_comments && format_seen && Begins(line, u";")) {
      ++m.comments_removed;
      continue;
    }
    if (options.remove_uncalled && !format_seen && Begins(line, u";")) {
      UString word = TrimBlanks(SecondWord(line));
      bool discarded = Begins(word, u":") || Begins(word, u"(") || Begins(word, u"The") || Begins(word, u"PureBasic") ||
                       (word.size() >= 4 && word.substr(word.size() - 4) == u".lib");
      if (!discarded && !word.empty()) m.libraries.push_back(word);
    }
    bool data_section = Begins(line, u"section '.data'");
    if (empty_count != 0 && m.entry_seen) {
      empty_insert = UString(static_cast<size_t>(empty_count), u'\r');
      if (data_section) empty_insert.clear(), empty_count = 0;
    }
    if (nop_count != 0 && m.entry_seen) {
      nop_insert.clear();
      for (int i = 0; i < nop_count; ++i) nop_insert += u"  NOP\r\n";
      if (data_section) nop_insert.clear(), nop_count = 0;
    }
    if (Begins(line, u"extrn ")) {
      UString name = SecondWord(line);
      name.erase(0, name.find_first_not_of(u'_') == UString::npos ? name.size() : name.find_first_not_of(u'_'));
      name = name.substr(0, name.find(u'@'));
      if (!Begins(name, u"PB_") && !Begins(name, u"SYS_") && !name.empty()) {
        m.called += u"\t\t" + name + u"\r\n";
        ++m.called_count;
      }
    }
    m.text += line + u"\r\n" + empty_insert + nop_insert;
  }
  return m;
}

}  // namespace

SPARLIN_FUZZ_TARGET(assembly_text_pass) {
  auto [flags, rest] = fuzz::TakeByte(fuzz::AsBytes(data, size));
  auto [folder, assembly_file] = fuzz::TakeLine(rest);
  AsmPassOptions options;
  options.remove_empty = flags & 1;
  options.remove_comments = flags & 2;
  options.remove_absolute_paths = flags & 4;
  options.remove_uncalled = flags & 8;
  options.empty_lines = (flags >> 4) & 3;
  options.nop_lines = (flags >> 6) & 3;
  std::vector<UString> lines = fuzz::TextLines(assembly_file);
  AsmValues assembly;
  AsmPassResult result = RewriteAssemblyText(lines, options, DecodeUtf8(folder), assembly);
  if (!options.remove_absolute_paths) {
    Model m = RunModel(lines, options);
    SPARLIN_FUZZ_CHECK(result.text == m.text);
    SPARLIN_FUZZ_CHECK(result.called_functions == m.called && result.called_function_count == m.called_count);
    SPARLIN_FUZZ_CHECK(result.empty_lines_removed == m.empty_removed);
    SPARLIN_FUZZ_CHECK(result.comments_removed == m.comments_removed && result.paths_removed == 0);
    SPARLIN_FUZZ_CHECK(assembly.ImportedLibraries == m.libraries);
    SPARLIN_FUZZ_CHECK(assembly.Is64Bit == m.is_64_bit && (assembly.EntryLabelSeen != 0) == m.entry_seen);
  }
  // The pass over the file's bytes, as the stage runs it, gives what the
  // pass over its UTF-16 lines gives.
  AsmValues byte_assembly;
  AsmBytesPassResult bytes = RewriteAssemblyBytes(assembly_file, options, DecodeUtf8(folder), byte_assembly);
  SPARLIN_FUZZ_CHECK(bytes.text == EncodeUtf8(result.text));
  SPARLIN_FUZZ_CHECK(byte_assembly.ImportedLibraries == assembly.ImportedLibraries);
  SPARLIN_FUZZ_CHECK(bytes.paths_removed == result.paths_removed);
  return 0;
}
