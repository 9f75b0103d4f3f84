#include "asm_stage/assembly_text_pass.h"

#include <algorithm>

#include "asm_stage/data_word_line.h"
#include "pipeline/buffered_text_builder.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

using namespace std::string_view_literals;

enum class StaticStrings { kBefore, kInside, kAfter };

bool IsDataSectionLine(UStringView line) { return StartsWith(line, u"section '.data'"sv); }

// A header comment names a runtime library in its second word; the banner,
// copyright, ":System"-style markers and import libraries are not libraries.
bool IsLibraryWord(UStringView word) {
  if (word.empty()) return false;
  return !StartsWith(word, u":"sv) && !StartsWith(word, u"("sv) && !StartsWith(word, u"The"sv) &&
         !StartsWith(word, u"PureBasic"sv) && !EndsWith(word, u".lib"sv);
}

// The declared name without decoration: leading "_" and any "@" argument size.
UString ExternalFunctionName(UStringView line) {
  UString name = StringField(line, 2, u' ');
  size_t first = name.find_first_not_of(u'_');
  name.erase(0, first == UString::npos ? name.size() : first);
  size_t at = name.find(u'@');
  if (at != UString::npos) name.resize(at);
  return name;
}

}  // namespace

AsmPassOptions ReadAsmPassOptions(BuildHost& host) {
  AsmPassOptions options;
  options.remove_empty = host.OptionValue(Option::RemEmpty) != 0;
  options.remove_comments = host.OptionValue(Option::RemComments) != 0;
  options.remove_absolute_paths = host.OptionValue(Option::RemAbsolut) != 0;
  options.remove_uncalled = host.OptionValue(Option::RemUncalled) != 0;
  if (host.OptionValue(Option::InsEmpty) != 0) options.empty_lines = host.OptionValue(Option::nEmpty);
  if (host.OptionValue(Option::InsNOP) != 0) options.nop_lines = host.OptionValue(Option::nNOP);
  return options;
}

AsmPassResult RewriteAssemblyText(const std::vector<UString>& lines, const AsmPassOptions& options,
                                  UStringView source_folder, AsmValues& assembly) {
  AsmPassResult result;
  BufferedTextBuilder output;

  bool format_seen = false;
  StaticStrings static_strings = StaticStrings::kBefore;
  int empty_count = options.empty_lines;
  int nop_count = options.nop_lines;
  UString empty_insert;
  UString nop_insert;
  UString rewritten;  // holds the line when a rule changes it

  for (const UString& raw : lines) {
    UStringView line = TrimTrailingBlanksView(raw);

    // The entry label is written as it is and gets no inserted lines.
    if (!assembly.EntryLabelSeen && (StartsWith(line, u"PureBasicStart"sv) || StartsWith(line, u"_DLLEntryPoint"sv))) {
      assembly.EntryLabelSeen = true;
      output.Append(line);
      output.Append(u"\r\n"sv);
      continue;
    }

    if (options.remove_empty && line.empty()) {
      ++result.empty_lines_removed;
      continue;
    }

    if (StartsWith(line, u"format"sv)) {
      assembly.Is64Bit = Contains(line, u" MS64"sv) ? 1 : 0;
      format_seen = true;
    }

    // Header comments above the format line carry the library names; keep them.
    if (options.remove_comments && format_seen && StartsWith(line, u";"sv)) {
      ++result.comments_removed;
      continue;
    }

    if (options.remove_absolute_paths) {
      if (format_seen && !source_folder.empty() && Contains(line, source_folder)) {
        rewritten = ReplaceAllNoCase(line, source_folder, u"");
        line = rewritten;
        ++result.paths_removed;
      }
      if (static_strings == StaticStrings::kBefore && StartsWith(line, u"_SYS_StaticStringStart"sv)) {
        static_strings = StaticStrings::kInside;
      }
      if (static_strings == StaticStrings::kInside && StartsWith(line, u"_SYS_StaticStringEnd"sv)) {
        static_strings = StaticStrings::kAfter;
      }
      if (static_strings == StaticStrings::kInside) {
        UStringView trimmed = TrimBlanksView(line);
        if (!trimmed.empty()) {
          UString stripped = StripFolderFromDataWordLine(trimmed, source_folder);
          if (!stripped.empty()) {
            rewritten = std::move(stripped);
            line = rewritten;
          }
        }
      }
    }

    if (options.remove_uncalled && !format_seen && StartsWith(line, u";"sv)) {
      UString word = TrimBlanks(StringField(line, 2, u' '));
      if (IsLibraryWord(word)) assembly.ImportedLibraries.push_back(word);
    }

    // Insertion runs from the line after the entry label up to the line
    // before the data section; the assembler reads a lone "\r" as a line end.
    if (empty_count != 0 && assembly.EntryLabelSeen) {
      if (empty_insert.empty()) empty_insert.assign(static_cast<size_t>(empty_count), u'\r');
      if (IsDataSectionLine(line)) {
        empty_insert.clear();
        empty_count = 0;
      }
    }
    if (nop_count != 0 && assembly.EntryLabelSeen) {
      if (nop_insert.empty()) {
        for (int i = 0; i < nop_count; ++i) nop_insert += u"  NOP\r\n";
      }
      if (IsDataSectionLine(line)) {
        nop_insert.clear();
        nop_count = 0;
      }
    }

    if (StartsWith(line, u"extrn "sv)) {
      UString name = ExternalFunctionName(line);
      if (!name.empty() && !StartsWith(name, u"PB_"sv) && !StartsWith(name, u"SYS_"sv)) {
        result.called_functions += u"\t\t" + name + u"\r\n";
        ++result.called_function_count;
      }
    }

    output.Append(line);
    output.Append(u"\r\n"sv);
    output.Append(empty_insert);
    output.Append(nop_insert);
  }

  std::optional<UString> text = output.Finish();
  result.failed = !text;
  if (text) result.text = std::move(*text);
  return result;
}

UString AsmCountsSummary(const AsmPassResult& result) {
  return u"\t\u00B7  Empty Lines Removed: " + ToDecimal(result.empty_lines_removed) + u"\r\n\r\n" +
         u"\t\u00B7  Comments Removed: " + ToDecimal(result.comments_removed) + u"\r\n\r\n" +
         u"\t\u00B7  Absolute Paths Removed: " + ToDecimal(result.paths_removed) + u"\r\n";
}

UString CalledFunctionsSummary(const AsmPassResult& result) {
  return u"\t\u00B7  Called WinAPI Functions: " + ToDecimal(result.called_function_count) + u"\r\n\r\n" +
         result.called_functions;
}

UString ImportedLibrariesSummary(const std::vector<UString>& libraries) {
  UString text = u"\t\u00B7  Imported PB Libraries: " + ToDecimal(static_cast<int64_t>(libraries.size())) + u"\r\n";
  if (!libraries.empty()) {
    text += u"\r\n";
    for (const UString& name : libraries) text += u"\t\t" + name + u"\r\n";
  }
  return text;
}

void SortLibraryNames(std::vector<UString>& libraries) { std::stable_sort(libraries.begin(), libraries.end()); }

}  // namespace sparlin
