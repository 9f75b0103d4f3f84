#include "asm_format/assembly_lines.h"

#include "text/text_ops.h"

namespace sparlin {

bool IsEntryLabelLine(UStringView line) {
  return StartsWith(line, u"PureBasicStart") || StartsWith(line, u"_DLLEntryPoint");
}

bool IsFormatLine(UStringView line) { return StartsWith(line, u"format"); }
bool IsFormatLine64Bit(UStringView line) { return IsFormatLine(line) && Contains(line, u" MS64"); }
bool IsDataSectionLine(UStringView line) { return StartsWith(line, u"section '.data'"); }
bool IsCommentLine(UStringView line) { return StartsWith(line, u";"); }

UString HeaderLibraryName(UStringView line) {
  UString word = TrimBlanks(StringField(line, 2, u' '));
  if (word.empty() || StartsWith(word, u":") || StartsWith(word, u"(") || StartsWith(word, u"The") ||
      StartsWith(word, u"PureBasic") || EndsWith(word, u".lib")) {
    return UString();
  }
  return word;
}

bool IsExternLine(UStringView line) { return StartsWith(line, u"extrn "); }

UString ExternalFunctionName(UStringView line) {
  UString name = StringField(line, 2, u' ');
  size_t first = name.find_first_not_of(u'_');
  name.erase(0, first == UString::npos ? name.size() : first);
  size_t at = name.find(u'@');
  if (at != UString::npos) name.resize(at);
  return name;
}


bool SectionTracker::Inside(UStringView line) {
  if (state_ == State::kNotYet && StartsWith(line, start_)) state_ = State::kInside;
  if (state_ == State::kInside && StartsWith(line, end_)) state_ = State::kPassed;
  return state_ == State::kInside;
}

namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// The start of the first line at or after `from` that begins with `marker`
// once its leading blanks are skipped; npos when there is none.
size_t FindLineBeginningWith(std::string_view bytes, std::string_view marker, size_t from, size_t text_start) {
  for (size_t at = bytes.find(marker, from); at != std::string_view::npos; at = bytes.find(marker, at + 1)) {
    size_t line = at;
    while (line > text_start && bytes[line - 1] == ' ') --line;
    if (line == text_start || IsLineBreak(bytes[line - 1])) return line;
  }
  return std::string_view::npos;
}

}  // namespace

std::optional<std::string_view> SectionBytes(std::string_view bytes, std::string_view start, std::string_view end) {
  size_t text_start = DetectBom(bytes).length;
  size_t begin = FindLineBeginningWith(bytes, start, text_start, text_start);
  if (begin == std::string_view::npos) return std::nullopt;
  // The section's own first line cannot end it: the two markers differ.
  size_t first_line_end = begin;
  while (first_line_end < bytes.size() && !IsLineBreak(bytes[first_line_end])) ++first_line_end;
  size_t finish = FindLineBeginningWith(bytes, end, first_line_end, text_start);
  if (finish == std::string_view::npos) finish = bytes.size();
  return bytes.substr(begin, finish - begin);
}

SectionTracker StaticStringSection() { return SectionTracker(u"_SYS_StaticStringStart", u"_SYS_StaticStringEnd"); }
SectionTracker ImportSection() { return SectionTracker(u"; :Import", u"format MS"); }

UString DecodeCompilerFileText(std::string_view bytes) {
  bytes.remove_prefix(DetectBom(bytes).length);
  return DecodeUtf8(bytes);
}

bool ReadAssemblyText(platform::FileSystem& files, UStringView path, AssemblyText& out) {
  std::string bytes;
  if (!files.ReadWholeFile(path, bytes)) return false;
  out.text = DecodeCompilerFileText(bytes);
  out.lines = SplitLineViews(out.text);
  return true;
}

}  // namespace sparlin
