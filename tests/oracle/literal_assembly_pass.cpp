#include "oracle/literal_assembly_pass.h"

#include "asm_format/data_word_line.h"
#include "text/text_ops.h"

namespace sparlin::oracle {
namespace {

bool Begins(UStringView line, UStringView prefix) { return line.substr(0, prefix.size()) == prefix; }

UStringView TrimEnd(UStringView line) {
  while (!line.empty() && line.back() == u' ') line.remove_suffix(1);
  return line;
}

UStringView Trim(UStringView line) {
  while (!line.empty() && line.front() == u' ') line.remove_prefix(1);
  return TrimEnd(line);
}

// The text between the first and the second blank (to the end without a second).
UString SecondWord(UStringView line) {
  size_t first = line.find(u' ');
  if (first == UStringView::npos) return UString();
  size_t second = line.find(u' ', first + 1);
  return UString(line.substr(first + 1, second == UStringView::npos ? UStringView::npos : second - first - 1));
}

// Lines end at "\r\n", "\r" or "\n"; a text that ends in a line break has no
// empty line behind it.
std::vector<UString> Lines(UStringView text) {
  std::vector<UString> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(u"\r\n", start);
    if (end == UStringView::npos) end = text.size();
    lines.emplace_back(text.substr(start, end - start));
    if (end == text.size()) break;
    start = end + (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1);
  }
  return lines;
}

}  // namespace

LiteralAsmPass LiteralRewriteAssembly(UStringView text, const AsmPassOptions& options, UStringView source_folder,
                                      AsmValues& assembly, int64_t max_length) {
  LiteralAsmPass out;
  bool format_seen = false;
  int strings = 0;  // before, inside (1), after (-1)
  int empty_count = options.empty_lines;
  int nop_count = options.nop_lines;
  UString empty_insert;
  UString nop_insert;
  UString output;
  auto append = [&](UStringView piece) {
    if (out.failed || static_cast<int64_t>(output.size() + piece.size()) > max_length) {
      out.failed = true;
      return;
    }
    output += piece;
  };
  for (UString line : Lines(text)) {
    line = UString(TrimEnd(line));
    if (!assembly.EntryLabelSeen && (Begins(line, u"PureBasicStart") || Begins(line, u"_DLLEntryPoint"))) {
      assembly.EntryLabelSeen = true;
      append(line + u"\r\n");
      continue;
    }
    if (options.remove_empty && line.empty()) {
      ++out.empty_lines_removed;
      continue;
    }
    if (Begins(line, u"format")) {
      assembly.Is64Bit = line.find(u" MS64") != UString::npos ? 1 : 0;
      format_seen = true;
    }
    if (options.remove_comments && format_seen && Begins(line, u";")) {
      ++out.comments_removed;
      continue;
    }
    if (options.remove_absolute_paths) {
      if (format_seen && !source_folder.empty() && line.find(source_folder) != UString::npos) {
        line = ReplaceAllNoCase(line, source_folder, u"");
        ++out.paths_removed;
      }
      if (strings == 0 && Begins(line, u"_SYS_StaticStringStart")) strings = 1;
      if (strings == 1 && Begins(line, u"_SYS_StaticStringEnd")) strings = -1;
      if (strings == 1 && !Trim(line).empty()) {
        UString stripped = StripFolderFromDataWordLine(Trim(line), source_folder);
        if (!stripped.empty()) line = stripped;
      }
    }
    if (options.remove_uncalled && !format_seen && Begins(line, u";")) {
      UString word(Trim(SecondWord(line)));
      bool discarded = Begins(word, u":") || Begins(word, u"(") || Begins(word, u"The") ||
                       Begins(word, u"PureBasic") || EndsWith(word, u".lib");
      if (!discarded && !word.empty()) assembly.ImportedLibraries.push_back(word);
    }
    bool data_section = Begins(line, u"section '.data'");
    if (empty_count != 0 && assembly.EntryLabelSeen) {
      empty_insert = UString(static_cast<size_t>(empty_count), u'\r');
      if (data_section) empty_insert.clear(), empty_count = 0;
    }
    if (nop_count != 0 && assembly.EntryLabelSeen) {
      nop_insert.clear();
      for (int i = 0; i < nop_count; ++i) nop_insert += u"  NOP\r\n";
      if (data_section) nop_insert.clear(), nop_count = 0;
    }
    if (Begins(line, u"extrn ")) {
      UString name = SecondWord(line);
      name.erase(0, name.find_first_not_of(u'_') == UString::npos ? name.size() : name.find_first_not_of(u'_'));
      name = name.substr(0, name.find(u'@'));
      if (!Begins(name, u"PB_") && !Begins(name, u"SYS_") && !name.empty()) {
        out.called_functions += u"\t\t" + name + u"\r\n";
        ++out.called_function_count;
      }
    }
    append(line + u"\r\n" + empty_insert + nop_insert);
  }
  if (!out.failed) out.text = std::move(output);
  return out;
}

}  // namespace sparlin::oracle
