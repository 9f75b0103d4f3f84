#include "text/text_ops.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <limits>

namespace sparlin {
namespace {

// Removes every leading and trailing occurrence of `ch`.
UString TrimChar(UStringView text, char16_t ch) {
  size_t start = text.find_first_not_of(ch);
  if (start == UStringView::npos) return UString();
  size_t end = text.find_last_not_of(ch);
  return UString(text.substr(start, end - start + 1));
}

}  // namespace

UString TrimLeadingBlanks(UStringView text) {
  size_t start = text.find_first_not_of(u' ');
  return start == UStringView::npos ? UString() : UString(text.substr(start));
}

UString TrimBlanks(UStringView text) { return TrimChar(text, u' '); }

UStringView TrimBlanksView(UStringView text) {
  size_t first = text.find_first_not_of(u' ');
  if (first == UStringView::npos) return UStringView();
  return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}


bool StartsWith(UStringView text, UStringView prefix) {
  return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(UStringView text, UStringView suffix) {
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool Contains(UStringView text, UStringView pattern) { return text.find(pattern) != UStringView::npos; }

size_t CountOccurrences(UStringView text, UStringView pattern) {
  if (pattern.empty()) return 0;
  size_t count = 0;
  for (size_t pos = text.find(pattern); pos != UStringView::npos; pos = text.find(pattern, pos + pattern.size())) {
    ++count;
  }
  return count;
}

namespace {

// Replaces in `text` the matches of `pattern` found in `searched`, a text of
// the same length (the text itself, or its lower-case copy).
UString ReplaceMatches(UStringView text, UStringView searched, UStringView pattern, UStringView to) {
  if (pattern.empty()) return UString(text);
  UString out;
  out.reserve(text.size());
  size_t pos = 0;
  for (size_t hit = searched.find(pattern); hit != UStringView::npos; hit = searched.find(pattern, pos)) {
    out.append(text.substr(pos, hit - pos));
    out.append(to);
    pos = hit + pattern.size();
  }
  out.append(text.substr(pos));
  return out;
}

}  // namespace

UString ReplaceAll(UStringView text, UStringView from, UStringView to) { return ReplaceMatches(text, text, from, to); }

char16_t ToLowerChar(char16_t c) {
  if (c >= u'A' && c <= u'Z') return c + 32;
  if (c < 0xC0) return c;
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;         // Latin-1
  if (c == 0x178) return 0xFF;                                        // Y diaeresis, outside the runs
  if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x138 && c != 0x149 && c != 0x17F) {
    // Latin Extended-A alternates upper/lower, with a shift in two runs.
    bool odd_run = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (odd_run ? (c % 2 == 1) : (c % 2 == 0)) return c + 1;
    return c;
  }
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;         // Greek
  if (c >= 0x410 && c <= 0x42F) return c + 32;                       // Cyrillic
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  return c;
}

char16_t ToUpperChar(char16_t c) {
  if (c >= u'a' && c <= u'z') return c - 32;
  if (c < 0xE0) return c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  if (c == 0xFF) return 0x178;
  if (c >= 0x100 && c <= 0x17F) {
    char16_t up = c - 1;
    return (up >= 0x100 && ToLowerChar(up) == c && up != c) ? up : c;
  }
  if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) return c - 32;
  if (c >= 0x430 && c <= 0x44F) return c - 32;
  if (c >= 0x450 && c <= 0x45F) return c - 80;
  return c;
}

UString ToLower(UStringView text) {
  UString out(text);
  for (auto& c : out) c = ToLowerChar(c);
  return out;
}

UString ToUpper(UStringView text) {
  UString out(text);
  for (auto& c : out) c = ToUpperChar(c);
  return out;
}

namespace {

// The first position at or after `from` where `lower_pattern` (non-empty,
// lower case) stands in `text` ignoring letter case; npos when nowhere. The
// text is compared as it is, never lowered as a whole.
size_t FindLowerPatternNoCase(UStringView text, UStringView lower_pattern, size_t from) {
  if (lower_pattern.size() > text.size()) return UStringView::npos;
  const size_t last = text.size() - lower_pattern.size();
  for (size_t i = from; i <= last; ++i) {
    if (ToLowerChar(text[i]) != lower_pattern[0]) continue;
    size_t k = 1;
    while (k < lower_pattern.size() && ToLowerChar(text[i + k]) == lower_pattern[k]) ++k;
    if (k == lower_pattern.size()) return i;
  }
  return UStringView::npos;
}

}  // namespace

void ReplaceAllNoCaseInPlace(UString& text, UStringView from, UStringView to) {
  if (from.empty()) return;
  if (to.size() > from.size()) {
    text = ReplaceAllNoCase(text, from, to);
    return;
  }
  // Nothing grows: each kept piece moves down over what was cut before it.
  const UString lower_from = ToLower(from);
  size_t read = 0;
  size_t write = 0;
  for (size_t hit = FindLowerPatternNoCase(text, lower_from, 0); hit != UStringView::npos;
       hit = FindLowerPatternNoCase(text, lower_from, read)) {
    if (write != read) std::char_traits<char16_t>::move(text.data() + write, text.data() + read, hit - read);
    write += hit - read;
    std::char_traits<char16_t>::copy(text.data() + write, to.data(), to.size());
    write += to.size();
    read = hit + from.size();
  }
  if (read == 0) return;
  std::char_traits<char16_t>::move(text.data() + write, text.data() + read, text.size() - read);
  text.resize(write + text.size() - read);
}

UString ReplaceAllNoCase(UStringView text, UStringView from, UStringView to) {
  if (from.empty()) return UString(text);
  const UString lower_from = ToLower(from);
  UString out;
  size_t pos = 0;
  for (size_t hit = FindLowerPatternNoCase(text, lower_from, 0); hit != UStringView::npos;
       hit = FindLowerPatternNoCase(text, lower_from, pos)) {
    if (pos == 0 && out.empty()) out.reserve(text.size());
    out.append(text.substr(pos, hit - pos));
    out.append(to);
    pos = hit + from.size();
  }
  out.append(text.substr(pos));
  return out;
}

UString StringField(UStringView text, size_t index, char16_t separator) {
  if (index == 0) return UString();
  size_t start = 0;
  for (size_t i = 1; i < index; ++i) {
    size_t next = text.find(separator, start);
    if (next == UStringView::npos) return UString();
    start = next + 1;
  }
  size_t end = text.find(separator, start);
  return UString(text.substr(start, end == UStringView::npos ? UStringView::npos : end - start));
}

UString ToDecimal(int64_t value) { return U(std::to_string(value)); }

int64_t LeadingInteger(UStringView text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  int64_t value = 0;
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    int digit = text[i] - u'0';
    value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
  }
  return negative ? -value : value;
}

// Eight code units at a time where the processor allows.
size_t NextLineBreak(UStringView text, size_t i) {
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi16(u'\r');
  const __m128i lf = _mm_set1_epi16(u'\n');
  while (i + 8 <= text.size()) {
    __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
    int mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi16(units, cr), _mm_cmpeq_epi16(units, lf)));
    if (mask != 0) return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask))) / 2;
    i += 8;
  }
#endif
  while (i < text.size() && text[i] != u'\r' && text[i] != u'\n') ++i;
  return i;
}

std::vector<UString> SplitLines(UStringView text) {
  std::vector<UString> lines;
  for (UStringView line : SplitLineViews(text)) lines.emplace_back(line);
  return lines;
}

std::vector<UStringView> SplitLineViews(UStringView text) {
  // Counted first: a large file's list is made once, at its size.
  size_t count = 0;
  ForEachLine(text, [&count](UStringView) { ++count; });
  std::vector<UStringView> lines;
  lines.reserve(count);
  ForEachLine(text, [&lines](UStringView line) { lines.push_back(line); });
  return lines;
}

}  // namespace sparlin
