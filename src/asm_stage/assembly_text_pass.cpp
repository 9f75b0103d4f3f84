#include "asm_stage/assembly_text_pass.h"

#include <algorithm>
#include <optional>
#include <type_traits>

#include "asm_format/assembly_lines.h"
#include "asm_format/data_word_line.h"
#include "text/buffered_text_builder.h"
#include "text/text_ops.h"
#include "text/utf8_pieces.h"

namespace sparlin {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kNop = "  NOP\r\n";

// The rules that need the line's characters (names, case-insensitive paths,
// data-word lines) read it decoded.
UString Wide(std::string_view line) { return DecodeUtf8(line); }

// Whether `line` contains `part` (not empty). The search goes by the last
// character of `part`: a folder ends in "\\", which assembly lines seldom
// hold, where its first character, a drive letter, is common.
bool ContainsByLastChar(std::string_view line, std::string_view part) {
  const size_t last = part.size() - 1;
  for (size_t at = line.find(part.back(), last); at != std::string_view::npos; at = line.find(part.back(), at + 1)) {
    if (line.compare(at - last, part.size(), part) == 0) return true;
  }
  return false;
}

// One run of the line rules over one file's UTF-8 bytes. Each rule is a
// member below, applied in the order Line lists them.
class AssemblyTextPass {
 public:
  using String = std::string;
  using View = std::string_view;
  using Result = AsmBytesPassResult;

  AssemblyTextPass(const AsmPassOptions& options, UStringView source_folder, AsmValues& assembly,
                   const TextBuilderLimits& limits)
      : options_(options),
        source_folder_(source_folder),
        folder_in_text_(EncodeUtf8(source_folder)),
        assembly_(assembly),
        output_(limits),
        empty_count_(options.empty_lines),
        nop_count_(options.nop_lines) {}

  // The new text is at most the lines, their breaks and what is inserted.
  void Reserve(size_t line_count, size_t line_units) {
    size_t units =
        line_units + line_count * (2 + static_cast<size_t>(empty_count_) + 7 * static_cast<size_t>(nop_count_));
    output_.Reserve(PrunableTextCapacity(units));
  }

  // Each line is a view of the input until a rule rewrites it; then it views
  // `rewritten_`.
  void Line(View raw) {
    View line = TrimTrailingBlanksView(raw);
    if (KeepEntryLabel(line) || DropEmptyLine(line)) return;
    NoteFormatLine(line);
    if (DropComment(line)) return;
    RemoveSourceFolder(line);
    CollectHeaderLibrary(line);
    UpdateInsertedLines(line);
    CollectExternalFunction(line);
    Emit(line);
    output_.Append(kLineBreak);
    output_.Append(empty_insert_);
    output_.Append(nop_insert_);
  }

  // The file holds bytes past ASCII: the builder then counts each line's
  // UTF-16 units.
  void CountUnits() { count_units_ = true; }

  Result Finish() {
    std::optional<String> text = output_.Finish();
    result_.failed = !text;
    if (text) result_.text = std::move(*text);
    return std::move(result_);
  }

 private:
  // The entry label is written as it is and gets no inserted lines.
  bool KeepEntryLabel(View line) {
    if (assembly_.EntryLabelSeen || !IsEntryLabelLine(line)) return false;
    assembly_.EntryLabelSeen = true;
    Emit(line);
    output_.Append(kLineBreak);
    return true;
  }

  bool DropEmptyLine(View line) {
    if (!options_.remove_empty || !line.empty()) return false;
    ++result_.empty_lines_removed;
    return true;
  }

  void NoteFormatLine(View line) {
    if (!IsFormatLine(line)) return;
    assembly_.Is64Bit = IsFormatLine64Bit(line) ? 1 : 0;
    format_seen_ = true;
  }

  // Header comments above the format line carry the library names; they stay.
  bool DropComment(View line) {
    if (!options_.remove_comments || !format_seen_ || !IsCommentLine(line)) return false;
    ++result_.comments_removed;
    return true;
  }

  // The source folder goes from paths, and from static strings, where it is
  // spelled as character codes.
  void RemoveSourceFolder(View& line) {
    if (!options_.remove_absolute_paths) return;
    if (format_seen_ && !source_folder_.empty() && HoldsFolder(line)) {
      Rewrite(line, ReplaceAllNoCase(Wide(line), source_folder_, u""));
      ++result_.paths_removed;
    }
    if (!static_strings_.Inside(line)) return;
    View trimmed = TrimBlanksView(line);
    if (trimmed.empty()) return;
    UString stripped = StripFolderFromDataWordLine(Wide(trimmed), source_folder_);
    if (stripped.empty()) return;
    Rewrite(line, stripped);
  }

  // When the whole text is known, the folder's places in it were found in
  // one search; a line holds the folder when one of them lies within it.
  bool HoldsFolder(View line) {
    if (!folder_places_) return ContainsByLastChar(line, View(folder_in_text_));
    size_t start = static_cast<size_t>(line.data() - whole_text_.data());
    std::vector<size_t>& places = *folder_places_;
    while (next_place_ < places.size() && places[next_place_] < start) ++next_place_;
    return next_place_ < places.size() && places[next_place_] + folder_in_text_.size() <= start + line.size();
  }

 public:
  // Tells the pass that every line it is given is a view of `text`, in order.
  void LinesOf(View text) {
    whole_text_ = text;
    if (source_folder_.empty() || !options_.remove_absolute_paths) return;
    folder_places_.emplace();
    for (size_t at = text.find(folder_in_text_); at != View::npos; at = text.find(folder_in_text_, at + 1)) {
      folder_places_->push_back(at);
    }
  }

 private:
  void Rewrite(View& line, const UString& text) {
    rewritten_ = EncodeUtf8(text);
    if (!count_units_ && !IsAsciiText(rewritten_)) count_units_ = true;
    line = rewritten_;
  }

  void Emit(View line) {
    if (count_units_) {
      output_.Append(line, Utf16UnitCount(line, Utf8Form::kFile));
    } else {
      output_.Append(line);
    }
  }

  void CollectHeaderLibrary(View line) {
    if (!options_.remove_uncalled || format_seen_ || !IsCommentLine(line)) return;
    UString name = HeaderLibraryName(Wide(line));
    if (!name.empty()) assembly_.ImportedLibraries.push_back(name);
  }

  // Insertion runs from the line after the entry label up to the line before
  // the data section; the assembler reads a lone "\r" as a line end.
  void UpdateInsertedLines(View line) {
    if (!assembly_.EntryLabelSeen) return;
    bool data_section = IsDataSectionLine(line);
    if (empty_count_ != 0) {
      if (empty_insert_.empty()) empty_insert_.assign(static_cast<size_t>(empty_count_), '\r');
      if (data_section) {
        empty_insert_.clear();
        empty_count_ = 0;
      }
    }
    if (nop_count_ != 0) {
      if (nop_insert_.empty()) {
        for (int i = 0; i < nop_count_; ++i) nop_insert_ += kNop;
      }
      if (data_section) {
        nop_insert_.clear();
        nop_count_ = 0;
      }
    }
  }

  // Declared functions that are not the runtime's own: the Windows API.
  void CollectExternalFunction(View line) {
    if (!IsExternLine(line)) return;
    UString name = ExternalFunctionName(Wide(line));
    if (name.empty() || StartsWith(name, u"PB_") || StartsWith(name, u"SYS_")) return;
    result_.called_functions += u"\t\t" + name + u"\r\n";
    ++result_.called_function_count;
  }

  const AsmPassOptions& options_;
  UStringView source_folder_;
  String folder_in_text_;  // the source folder as the text spells it
  View whole_text_;
  std::optional<std::vector<size_t>> folder_places_;
  size_t next_place_ = 0;
  AsmValues& assembly_;
  BufferedByteTextBuilder output_;
  Result result_;
  String rewritten_;
  bool format_seen_ = false;
  bool count_units_ = false;
  SectionTracker static_strings_ = StaticStringSection();
  int empty_count_;
  int nop_count_;
  String empty_insert_;
  String nop_insert_;
};

}  // namespace

size_t PrunableTextCapacity(size_t size) { return size + size / 16 + 64; }

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

AsmBytesPassResult RewriteAssemblyBytes(std::string_view utf8_text, const AsmPassOptions& options,
                                       UStringView source_folder, AsmValues& assembly,
                                       const TextBuilderLimits& limits) {
  std::string_view ascii_text = utf8_text;
  AssemblyTextPass pass(options, source_folder, assembly, limits);
  if (!IsAsciiText(utf8_text)) pass.CountUnits();
  pass.LinesOf(ascii_text);
  // Lines that end in "\r\n" keep their size; lines are counted only when
  // lines are inserted behind each.
  size_t lines = 0;
  if (options.empty_lines != 0 || options.nop_lines != 0) {
    for (char c : ascii_text) lines += (c == '\n');
  }
  pass.Reserve(lines, ascii_text.size());
  ForEachLine(ascii_text, [&pass](std::string_view line) { pass.Line(line); });
  return pass.Finish();
}

UString AsmCountsSummary(const AsmPassCounts& result) {
  return u"\t\u00B7  Empty Lines Removed: " + ToDecimal(result.empty_lines_removed) + u"\r\n\r\n" +
         u"\t\u00B7  Comments Removed: " + ToDecimal(result.comments_removed) + u"\r\n\r\n" +
         u"\t\u00B7  Absolute Paths Removed: " + ToDecimal(result.paths_removed) + u"\r\n";
}

UString CalledFunctionsSummary(const AsmPassCounts& result) {
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
