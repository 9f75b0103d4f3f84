#include "oracle/literal_library_files.h"

#include "oracle/literal_reference_forms.h"
#include "oracle/literal_text_codec.h"

namespace sparlin::oracle {
namespace {

// Blanks are space characters only.
UString TrimSpaces(UStringView text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && text[begin] == u' ') ++begin;
  while (end > begin && text[end - 1] == u' ') --end;
  return UString(text.substr(begin, end - begin));
}

UString WithoutSpaces(UStringView text) {
  UString out;
  for (char16_t c : text) {
    if (c != u' ') out += c;
  }
  return out;
}

// Step 4 of the cleaning, once: the capital letters "A" to "Z" in turn, then
// the "!" and "?" rules, then the trim.
UString CapitalLetterRound(UString candidate, const DeclaredName& declared) {
  for (char16_t x = u'A'; x <= u'Z'; ++x) {
    if (candidate.empty() || candidate[0] != x) continue;
    UString compact = WithoutSpaces(candidate);
    size_t length = compact.size();
    size_t same = 0;
    for (char16_t c : compact) same += c == x ? 1 : 0;
    bool mark_at_end = !compact.empty() && (compact.back() == u'!' || compact.back() == u'?');
    bool empties = length == same || length == same + 1 || (length == same + 2 && mark_at_end);
    bool changes = empties || compact != candidate;
    if (changes && declared && declared(candidate)) continue;  // a declared name stays as it is
    candidate = empties ? UString() : compact;
  }
  if (!candidate.empty() && candidate[0] == u'!') candidate.clear();
  if (!candidate.empty() && candidate[0] == u'?') candidate.clear();
  return TrimSpaces(candidate);
}

}  // namespace

std::vector<std::string> LiteralLibraryLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  size_t i = 0;
  while (i < bytes.size()) {
    char c = bytes[i++];
    if (c == '\n' || c == '\0') {
      lines.push_back(line);
      line.clear();
    } else if (c == '\r') {
      if (i < bytes.size() && bytes[i] == '\n') ++i;
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);  // the end of the file ends the last line
  return lines;
}

UString LiteralCleanCandidate(UString candidate, const DeclaredName& declared) {
  if (candidate.compare(0, 4, u"4BIL") == 0) return UString();
  UString kept;
  for (char16_t c : candidate) {
    if (c > 31) kept += c;
  }
  candidate = kept;
  if (candidate.empty()) return candidate;
  if (candidate.front() == u'@' || candidate.back() == u'@') return UString();
  candidate = CapitalLetterRound(candidate, declared);
  candidate = CapitalLetterRound(candidate, declared);
  if (!candidate.empty() && candidate[0] == u'(') return UString();
  return candidate;
}

std::vector<UString> LiteralLibraryNames(std::string_view bytes, const DeclaredName& declared) {
  std::vector<UString> names;
  int state = 0;
  for (const std::string& raw : LiteralLibraryLines(bytes)) {
    UString line = TrimSpaces(LiteralDecodeUtf8(raw));
    if (line.find(u"ERUP") != UString::npos) {
      if (state < 2) ++state;
      continue;
    }
    if (state != 1) continue;
    UString name = LiteralCleanCandidate(line, declared);
    if (!name.empty()) names.push_back(name);
  }
  return names;
}

DeclaredName LiteralDeclaredNames(UStringView text, bool is_64_bit) {
  return [text, is_64_bit](UStringView name) {
    for (const UString& form : LiteralCountedForms(u"PB_" + UString(name), is_64_bit)) {
      if (form.compare(0, 6, u"extrn ") == 0 && text.find(form) != UStringView::npos) return true;
    }
    return false;
  };
}

}  // namespace sparlin::oracle
