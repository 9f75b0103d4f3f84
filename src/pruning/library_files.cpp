#include "pruning/library_files.h"

#include "text/byte_scan.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

bool IsLineEnd(char c) { return c == '\n' || c == '\r' || c == '\0'; }

// Short all-capital runs such as "AAA", "XY" or "QQ!" are symbol-table noise,
// not names: a candidate beginning with a capital letter is dropped when,
// without blanks, it holds nothing but that letter plus at most one other
// character, or two when the last is "!" or "?".
// A name that the assembly declares stays as it is, blanks and all; the
// declared names are looked at only when the rule would change the candidate.
void ApplyCapitalRule(UString& candidate, const DeclaredRuntimeNames& declared) {
  if (candidate.empty() || candidate.front() < u'A' || candidate.front() > u'Z') return;
  const char16_t letter = candidate.front();
  UString compact = ReplaceAll(candidate, u" ", u"");
  size_t length = compact.size();
  size_t same = 0;
  for (char16_t c : compact) same += (c == letter);
  bool ends_in_mark = compact.back() == u'!' || compact.back() == u'?';
  bool noise = length == same || length == same + 1 || (length == same + 2 && ends_in_mark);
  if ((noise || compact.size() != candidate.size()) && declared.Contains(candidate)) return;
  if (noise) compact.clear();
  candidate = std::move(compact);
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

UString CleanLibraryCandidate(UString candidate, const DeclaredRuntimeNames& declared) {
  if (StartsWith(candidate, u"4BIL")) return UString();
  UString kept;
  for (char16_t c : candidate) {
    if (c > 31) kept.push_back(c);
  }
  candidate = kept;
  if (candidate.empty() || candidate.front() == u'@' || candidate.back() == u'@') return UString();
  for (int round = 0; round < 2; ++round) {
    ApplyCapitalRule(candidate, declared);
    if (!candidate.empty() && (candidate.front() == u'!' || candidate.front() == u'?')) candidate.clear();
    candidate = TrimBlanks(candidate);
  }
  if (!candidate.empty() && candidate.front() == u'(') return UString();
  return candidate;
}

std::vector<UString> LibraryFunctionNames(std::string_view bytes, const DeclaredRuntimeNames& declared) {
  std::vector<UString> names;
  int markers = 0;
  for (std::string_view raw : SplitLibraryLines(bytes)) {
    UString line = TrimBlanks(DecodeUtf8(raw));
    if (Contains(line, u"ERUP")) {
      // Nothing behind the second marker is read.
      if (++markers == 2) break;
      continue;
    }
    if (markers != 1) continue;
    UString name = CleanLibraryCandidate(line, declared);
    if (!name.empty()) names.push_back(name);
  }
  return names;
}

bool DeclaredRuntimeNames::Contains(UStringView name) const {
  if (!read_) {
    read_ = true;
    Read();
  }
  return names_.find(name) != names_.end();
}

void DeclaredRuntimeNames::Read() const {
  const std::string_view text = text_;
  const bool is_64_bit = is_64_bit_;
  // "rn" is rarer in assembly than "ex".
  ForEachOccurrence(text, std::string_view("extrn "), 3, [&](size_t at) {
    std::string_view rest = text.substr(at + 6);
    std::string_view line = rest.substr(0, rest.find("\r\n"));
    bool ends_line = line.size() < rest.size();
    if (ends_line) Add(line);  // "extrn PB_F\r\n", and 32-bit "extrn _PB_F\r\n"
    if (is_64_bit) return true;
    // "extrn _PB_F@", where F may itself hold "@".
    for (size_t sign = line.find('@'); sign != std::string_view::npos; sign = line.find('@', sign + 1)) {
      Add(line.substr(0, sign));
    }
    return true;
  });
}

void DeclaredRuntimeNames::Add(std::string_view symbol) const {
  if (!symbol.empty() && symbol[0] == '_') symbol.remove_prefix(1);
  if (symbol.size() < 3 || symbol.substr(0, 3) != "PB_") return;
  UString name = DecodeUtf8(symbol.substr(3));
  for (UStringView variant : {UStringView(u"_THREAD"), UStringView(u"_DOUBLE")}) {
    if (EndsWith(name, variant)) names_.insert(name.substr(0, name.size() - variant.size()));
  }
  names_.insert(std::move(name));
}

bool IsBareLibraryName(UStringView name) {
  return !name.empty() && name.find_first_of(u"\\/:") == UStringView::npos && !Contains(name, u"..");
}

LibraryTable ParseLibraryFiles(const std::vector<UString>& libraries, UStringView library_folder,
                               const LibraryFileReader& read_file, const DeclaredRuntimeNames& declared) {
  LibraryTable table;
  for (const UString& name : libraries) {
    std::string bytes;
    if (!IsBareLibraryName(name) || !read_file(UString(library_folder) + name, bytes)) continue;
    for (const UString& function : LibraryFunctionNames(bytes, declared)) {
      FunctionTable& functions = table[name];
      UString symbol = u"PB_" + function;
      if (!functions.Find(symbol)) functions[symbol] = 0;
    }
  }
  return table;
}

}  // namespace sparlin
