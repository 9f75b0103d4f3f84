#include "asm_stage/assembly_text_pass.h"

#include <algorithm>

#include "asm_format/assembly_lines.h"
#include "asm_format/data_word_line.h"
#include "text/buffered_text_builder.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

using namespace std::string_view_literals;

// One run of the line rules over one file. Each rule is a member below,
// applied in the order Run lists them.
class AssemblyTextPass {
 public:
  AssemblyTextPass(const AsmPassOptions& options, UStringView source_folder, AsmValues& assembly,
                   const TextBuilderLimits& limits)
      : options_(options),
        source_folder_(source_folder),
        assembly_(assembly),
        output_(limits),
        empty_count_(options.empty_lines),
        nop_count_(options.nop_lines) {}

  // Each line is a view of the input until a rule rewrites it; then it views
  // `rewritten_`.
  AsmPassResult Run(const std::vector<UStringView>& lines, const std::function<void()>& release_input) {
    // The new text is at most the lines, their breaks and what is inserted.
    size_t units = lines.size() * (2 + static_cast<size_t>(empty_count_) + 7 * static_cast<size_t>(nop_count_));
    for (UStringView line : lines) units += line.size();
    output_.Reserve(units);
    for (UStringView raw : lines) {
      UStringView line = TrimTrailingBlanksView(raw);
      if (KeepEntryLabel(line) || DropEmptyLine(line)) continue;
      NoteFormatLine(line);
      if (DropComment(line)) continue;
      RemoveSourceFolder(line);
      CollectHeaderLibrary(line);
      UpdateInsertedLines(line);
      CollectExternalFunction(line);
      output_.Append(line);
      output_.Append(u"\r\n"sv);
      output_.Append(empty_insert_);
      output_.Append(nop_insert_);
    }
    if (release_input) release_input();
    std::optional<UString> text = output_.Finish();
    result_.failed = !text;
    if (text) result_.text = std::move(*text);
    return std::move(result_);
  }

 private:
  // The entry label is written as it is and gets no inserted lines.
  bool KeepEntryLabel(UStringView line) {
    if (assembly_.EntryLabelSeen || !IsEntryLabelLine(line)) return false;
    assembly_.EntryLabelSeen = true;
    output_.Append(line);
    output_.Append(u"\r\n"sv);
    return true;
  }

  bool DropEmptyLine(UStringView line) {
    if (!options_.remove_empty || !line.empty()) return false;
    ++result_.empty_lines_removed;
    return true;
  }

  void NoteFormatLine(UStringView line) {
    if (!IsFormatLine(line)) return;
    assembly_.Is64Bit = IsFormatLine64Bit(line) ? 1 : 0;
    format_seen_ = true;
  }

  // Header comments above the format line carry the library names; they stay.
  bool DropComment(UStringView line) {
    if (!options_.remove_comments || !format_seen_ || !IsCommentLine(line)) return false;
    ++result_.comments_removed;
    return true;
  }

  // The source folder goes from paths, and from static strings, where it is
  // spelled as character codes.
  void RemoveSourceFolder(UStringView& line) {
    if (!options_.remove_absolute_paths) return;
    if (format_seen_ && !source_folder_.empty() && Contains(line, source_folder_)) {
      rewritten_ = ReplaceAllNoCase(line, source_folder_, u"");
      line = rewritten_;
      ++result_.paths_removed;
    }
    if (!static_strings_.Inside(line)) return;
    UStringView trimmed = TrimBlanksView(line);
    if (trimmed.empty()) return;
    UString stripped = StripFolderFromDataWordLine(trimmed, source_folder_);
    if (stripped.empty()) return;
    rewritten_ = std::move(stripped);
    line = rewritten_;
  }

  void CollectHeaderLibrary(UStringView line) {
    if (!options_.remove_uncalled || format_seen_ || !IsCommentLine(line)) return;
    UString name = HeaderLibraryName(line);
    if (!name.empty()) assembly_.ImportedLibraries.push_back(name);
  }

  // Insertion runs from the line after the entry label up to the line before
  // the data section; the assembler reads a lone "\r" as a line end.
  void UpdateInsertedLines(UStringView line) {
    if (!assembly_.EntryLabelSeen) return;
    bool data_section = IsDataSectionLine(line);
    if (empty_count_ != 0) {
      if (empty_insert_.empty()) empty_insert_.assign(static_cast<size_t>(empty_count_), u'\r');
      if (data_section) {
        empty_insert_.clear();
        empty_count_ = 0;
      }
    }
    if (nop_count_ != 0) {
      if (nop_insert_.empty()) {
        for (int i = 0; i < nop_count_; ++i) nop_insert_ += u"  NOP\r\n";
      }
      if (data_section) {
        nop_insert_.clear();
        nop_count_ = 0;
      }
    }
  }

  // Declared functions that are not the runtime's own: the Windows API.
  void CollectExternalFunction(UStringView line) {
    if (!IsExternLine(line)) return;
    UString name = ExternalFunctionName(line);
    if (name.empty() || StartsWith(name, u"PB_") || StartsWith(name, u"SYS_")) return;
    result_.called_functions += u"\t\t" + name + u"\r\n";
    ++result_.called_function_count;
  }

  const AsmPassOptions& options_;
  UStringView source_folder_;
  AsmValues& assembly_;
  BufferedTextBuilder output_;
  AsmPassResult result_;
  UString rewritten_;
  bool format_seen_ = false;
  SectionTracker static_strings_ = StaticStringSection();
  int empty_count_;
  int nop_count_;
  UString empty_insert_;
  UString nop_insert_;
};

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

AsmPassResult RewriteAssemblyText(const std::vector<UStringView>& lines, const AsmPassOptions& options,
                                  UStringView source_folder, AsmValues& assembly,
                                  const TextBuilderLimits& limits, const std::function<void()>& release_input) {
  return AssemblyTextPass(options, source_folder, assembly, limits).Run(lines, release_input);
}

AsmPassResult RewriteAssemblyText(const std::vector<UString>& lines, const AsmPassOptions& options,
                                  UStringView source_folder, AsmValues& assembly,
                                  const TextBuilderLimits& limits) {
  return RewriteAssemblyText(std::vector<UStringView>(lines.begin(), lines.end()), options, source_folder, assembly,
                             limits);
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
