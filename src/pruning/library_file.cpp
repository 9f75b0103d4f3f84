#include "pruning/library_file.h"

#include "text/text_ops.h"

namespace sparlin {
namespace {

bool IsLineEnd(char c) { return c == '\n' || c == '\r' || c == '\0'; }

// Short all-capital runs such as "AAA", "XY" or "QQ!" are symbol-table noise,
// not names: a candidate beginning with a capital letter is dropped when,
// without blanks, it holds nothing but that letter plus at most one other
// character, or two when the last is "!" or "?".
void ApplyCapitalRule(UString& candidate) {
  for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
    if (candidate.empty() || candidate.front() != letter) continue;
    candidate = ReplaceAll(candidate, u" ", u"");
    size_t length = candidate.size();
    size_t same = 0;
    for (char16_t c : candidate) same += (c == letter);
    bool ends_in_mark = !candidate.empty() && (candidate.back() == u'!' || candidate.back() == u'?');
    if (length == same || length == same + 1 || (length == same + 2 && ends_in_mark)) candidate.clear();
  }
}

}  // namespace

std::vector<std::string_view> SplitLibraryLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  size_t i = 0;
  while (i < bytes.size()) {
    if (!IsLineEnd(bytes[i])) {
      ++i;
      continue;
    }
    lines.push_back(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = ++i;
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

UString CleanLibraryCandidate(UString candidate) {
  if (StartsWith(candidate, u"4BIL")) return UString();
  UString kept;
  for (char16_t c : candidate) {
    if (c > 31) kept.push_back(c);
  }
  candidate = kept;
  if (candidate.empty() || candidate.front() == u'@' || candidate.back() == u'@') return UString();
  for (int round = 0; round < 2; ++round) {
    ApplyCapitalRule(candidate);
    if (!candidate.empty() && (candidate.front() == u'!' || candidate.front() == u'?')) candidate.clear();
    candidate = TrimBlanks(candidate);
  }
  if (!candidate.empty() && candidate.front() == u'(') return UString();
  return candidate;
}

std::vector<UString> LibraryFunctionNames(std::string_view bytes) {
  std::vector<UString> names;
  int markers = 0;
  for (std::string_view raw : SplitLibraryLines(bytes)) {
    UString line = TrimBlanks(DecodeUtf8(raw));
    if (Contains(line, u"ERUP")) {
      if (markers < 2) ++markers;
      continue;
    }
    if (markers != 1) continue;
    UString name = CleanLibraryCandidate(line);
    if (!name.empty()) names.push_back(name);
  }
  return names;
}

}  // namespace sparlin
