#include "asm_format/assembly_lines.h"

#include <cstdint>
#include <cstring>

#include "text/text_ops.h"

namespace sparlin {

namespace {

// The markers are ASCII: a line of either width compares code by code.
template <typename Char, typename MarkerChar>
bool BeginsWith(std::basic_string_view<Char> line, std::basic_string_view<MarkerChar> marker) {
  if (line.size() < marker.size()) return false;
  for (size_t i = 0; i < marker.size(); ++i) {
    if (line[i] != static_cast<Char>(marker[i])) return false;
  }
  return true;
}

template <typename Char>
bool EntryLabel(std::basic_string_view<Char> line) {
  return BeginsWith(line, std::string_view("PureBasicStart")) || BeginsWith(line, std::string_view("_DLLEntryPoint"));
}

template <typename Char>
bool FormatLine64Bit(std::basic_string_view<Char> line) {
  if (!BeginsWith(line, std::string_view("format"))) return false;
  for (size_t at = 0; at + 5 <= line.size(); ++at) {
    if (BeginsWith(line.substr(at), std::string_view(" MS64"))) return true;
  }
  return false;
}

}  // namespace

bool IsEntryLabelLine(UStringView line) { return EntryLabel(line); }
bool IsEntryLabelLine(std::string_view line) { return EntryLabel(line); }
bool IsFormatLine(UStringView line) { return BeginsWith(line, std::string_view("format")); }
bool IsFormatLine(std::string_view line) { return BeginsWith(line, std::string_view("format")); }
bool IsFormatLine64Bit(UStringView line) { return FormatLine64Bit(line); }
bool IsFormatLine64Bit(std::string_view line) { return FormatLine64Bit(line); }
bool IsDataSectionLine(UStringView line) { return BeginsWith(line, std::string_view("section '.data'")); }
bool IsDataSectionLine(std::string_view line) { return BeginsWith(line, std::string_view("section '.data'")); }
bool IsCommentLine(UStringView line) { return !line.empty() && line[0] == u';'; }
bool IsCommentLine(std::string_view line) { return !line.empty() && line[0] == ';'; }

UString HeaderLibraryName(UStringView line) {
  UString word = TrimBlanks(StringField(line, 2, u' '));
  if (word.empty() || StartsWith(word, u":") || StartsWith(word, u"(") || StartsWith(word, u"The") ||
      StartsWith(word, u"PureBasic") || EndsWith(word, u".lib")) {
    return UString();
  }
  return word;
}

bool IsExternLine(UStringView line) { return BeginsWith(line, std::string_view("extrn ")); }
bool IsExternLine(std::string_view line) { return BeginsWith(line, std::string_view("extrn ")); }

UString ExternalFunctionName(UStringView line) {
  UString name = StringField(line, 2, u' ');
  size_t first = name.find_first_not_of(u'_');
  name.erase(0, first == UString::npos ? name.size() : first);
  size_t at = name.find(u'@');
  if (at != UString::npos) name.resize(at);
  return name;
}


template <typename Char>
bool SectionTracker::Next(std::basic_string_view<Char> line) {
  if (state_ == State::kNotYet && BeginsWith(line, start_)) state_ = State::kInside;
  if (state_ == State::kInside && BeginsWith(line, end_)) state_ = State::kPassed;
  return state_ == State::kInside;
}

bool SectionTracker::Inside(UStringView line) { return Next(line); }
bool SectionTracker::Inside(std::string_view line) { return Next(line); }

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

bool IsAsciiText(std::string_view bytes) {
  // Eight bytes at a time: any high bit is a byte past ASCII.
  uint64_t high = 0;
  size_t i = 0;
  for (; i + 32 <= bytes.size(); i += 32) {
    uint64_t words[4];
    std::memcpy(words, bytes.data() + i, sizeof words);
    high |= words[0] | words[1] | words[2] | words[3];
    if ((i & 0xFFFF) == 0 && (high & 0x8080808080808080ull) != 0) return false;
  }
  for (; i < bytes.size(); ++i) high |= static_cast<unsigned char>(bytes[i]);
  return (high & 0x8080808080808080ull) == 0;
}

}  // namespace sparlin
