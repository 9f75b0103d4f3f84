// Small text operations shared by the passes. A "blank" is the space
// character only: tabs are never trimmed and never separate words.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "text/byte_scan.h"
#include "text/ustring.h"

namespace sparlin {

UString TrimBlanks(UStringView text);
UString TrimLeadingBlanks(UStringView text);
// The same without a copy: views into `text`.
UStringView TrimBlanksView(UStringView text);
inline std::string_view TrimBlanksView(std::string_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && text[first] == ' ') ++first;
  while (last > first && text[last - 1] == ' ') --last;
  return text.substr(first, last - first);
}
inline std::string_view TrimTrailingBlanksView(std::string_view text) {
  size_t last = text.size();
  while (last > 0 && text[last - 1] == ' ') --last;
  return text.substr(0, last);
}

bool StartsWith(UStringView text, UStringView prefix);
bool EndsWith(UStringView text, UStringView suffix);
bool Contains(UStringView text, UStringView pattern);

// Non-overlapping occurrences, left to right; an empty pattern counts 0.
size_t CountOccurrences(UStringView text, UStringView pattern);
UString ReplaceAll(UStringView text, UStringView from, UStringView to);
// Replacement that ignores letter case (the simple case mapping of ToLower).
UString ReplaceAllNoCase(UStringView text, UStringView from, UStringView to);
// The same on `text` itself; without a copy when `to` is not longer than `from`.
void ReplaceAllNoCaseInPlace(UString& text, UStringView from, UStringView to);

char16_t ToLowerChar(char16_t c);
char16_t ToUpperChar(char16_t c);
UString ToLower(UStringView text);
UString ToUpper(UStringView text);

// The n-th (1-based) field of `text` split at `separator`; empty past the end.
UString StringField(UStringView text, size_t index, char16_t separator);

UString ToDecimal(int64_t value);
// The leading decimal integer of `text` after leading blanks and tabs, with an
// optional sign; 0 when there are no digits. Saturates at the int64 range.
int64_t LeadingInteger(UStringView text);

// Splits at "\r\n", "\n" or "\r"; the line ends are not kept. A final line
// break does not start one more (empty) line.
std::vector<UString> SplitLines(UStringView text);
// The same lines as views into `text`, which must outlive them.
std::vector<UStringView> SplitLineViews(UStringView text);

// The position of the next "\r" or "\n" at or after `i`; the end when none.
size_t NextLineBreak(UStringView text, size_t i);

// Calls `line(view)` for every line of the text, split as SplitLines splits:
// at "\r\n", "\n" or "\r", a final line break starting no more line.
template <typename Line>
void ForEachLine(UStringView text, Line line) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = NextLineBreak(text, start);
    line(text.substr(start, end - start));
    if (end == text.size()) break;
    start = end + (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1);
  }
}

// The same for bytes, whose line breaks are the same bytes in UTF-8: every
// line break of the text is found in one vector scan.
template <typename Line>
void ForEachLine(std::string_view text, Line line) {
  size_t start = 0;
  bool after_cr = false;  // the last line ended at a "\r"
  ForEachOf(text, '\r', '\n', [&](size_t at) {
    if (at == start && after_cr && text[at] == '\n') {  // the "\n" of a "\r\n"
      after_cr = false;
      start = at + 1;
      return;
    }
    line(text.substr(start, at - start));
    after_cr = text[at] == '\r';
    start = at + 1;
  });
  if (start < text.size()) line(text.substr(start));
}

}  // namespace sparlin
