#include "oracle/literal_source_passes.h"

#include <optional>

#include "text/text_ops.h"

namespace sparlin::oracle {
namespace {

enum class LineKind { kOther, kDefinition, kExported, kEnd };

// A definition line's name: the text before the first "(", split at blanks,
// second field.
UString NameOfDefinition(const UString& line) {
  UString before = line.substr(0, line.find(u'('));
  size_t blank = before.find(u' ');
  if (blank == UString::npos) return UString();
  UString rest = before.substr(blank + 1);
  return rest.substr(0, rest.find(u' '));
}

// A line that, blanks and tabs trimmed, begins with the keyword followed by
// one of `after`: a block opened in a way the pass does not take, whose end
// line therefore closes no recorded block.
bool LineOpensBlock(const UString& line, const UString& keyword, const UString& after) {
  UString rest = line;
  while (!rest.empty() && (rest[0] == u' ' || rest[0] == u'\t')) rest.erase(0, 1);
  if (rest.size() <= keyword.size() || rest.compare(0, keyword.size(), keyword) != 0) return false;
  return after.find(rest[keyword.size()]) != UString::npos;
}

// The recorded blocks of a pass.
struct Block {
  UString name;
  size_t start = 0;
  std::optional<size_t> end;
};

LineKind ClassifyProcedureLine(UStringView line) {
  UStringView head = line.substr(0, 10);
  if (head == u"Procedure " || head == u"Procedure." || head == u"Procedure$") return LineKind::kDefinition;
  if (head == u"ProcedureC") {
    UStringView longer = line.substr(0, 11);
    if (longer == u"ProcedureC " || longer == u"ProcedureC." || longer == u"ProcedureC$") return LineKind::kDefinition;
    return LineKind::kExported;
  }
  if (head == u"ProcedureD") return LineKind::kExported;
  if (head == u"EndProcedu") return LineKind::kEnd;
  return LineKind::kOther;
}

}  // namespace

int64_t LiteralReferenceCount(UStringView lower_text, UStringView name) {
  UString n = ToLower(name);
  size_t count = CountOccurrences(lower_text, n + u"(") + CountOccurrences(lower_text, u"@" + n + u"(") +
                 CountOccurrences(lower_text, n + u" (") + CountOccurrences(lower_text, u"@" + n + u" (");
  return static_cast<int64_t>(count);
}

void LiteralCutBlock(UString& text, size_t start, size_t end) {
  UString after = text.substr(end);
  for (char16_t ch : {u'\r', u'\n'}) {
    while (!after.empty() && after.front() == ch) after.erase(0, 1);
    while (!after.empty() && after.back() == ch) after.pop_back();
  }
  text = text.substr(0, start) + after;
}

LiteralPassResult LiteralRemoveUncalledProcedureBlocks(const std::vector<UString>& lines) {
  UString removed_names;
  size_t removed = 0;
  std::vector<Block> table;
  std::optional<size_t> current;
  UString text;
  for (const UString& raw : lines) {
    UString line = TrimBlanks(raw);
    switch (ClassifyProcedureLine(line)) {
      case LineKind::kDefinition:
        table.push_back({NameOfDefinition(line), text.size(), std::nullopt});
        current = table.size() - 1;
        break;
      case LineKind::kExported:
        current.reset();
        break;
      case LineKind::kEnd:
        if (current && !table[*current].end) table[*current].end = text.size() + line.size();
        break;
      case LineKind::kOther:
        if (LineOpensBlock(line, u"Procedure", u" \t.$CD")) current.reset();
        break;
    }
    text += line + u"\r\n";
  }
  const UString lower_text = ToLower(text);
  for (auto entry = table.rbegin(); entry != table.rend(); ++entry) {
    if (!entry->end || LiteralReferenceCount(lower_text, entry->name) - 1 != 0) continue;
    removed_names = u"\t\t" + entry->name + u"()\r\n" + removed_names;
    ++removed;
    LiteralCutBlock(text, entry->start, *entry->end);
  }
  UString item = u"\t\u00B7  Uncalled Procedures Removed: " + ToDecimal(static_cast<int64_t>(removed)) + u"\r\n";
  if (!removed_names.empty()) item += u"\r\n" + removed_names;
  return {std::move(text), std::move(item)};
}

LiteralPassResult LiteralRemoveMacroBlocks(const std::vector<UString>& lines) {
  std::vector<Block> table;
  std::optional<size_t> current;
  UString text;
  for (const UString& raw : lines) {
    UString line = TrimBlanks(raw);
    if (UStringView(line).substr(0, 6) == u"Macro ") {
      table.push_back({NameOfDefinition(line), text.size(), std::nullopt});
      current = table.size() - 1;
    } else if (LineOpensBlock(line, u"Macro", u" \t")) {
      current.reset();
    } else if (UStringView(line).substr(0, 6) == u"EndMac" && current && !table[*current].end) {
      table[*current].end = text.size() + line.size();
    }
    text += line + u"\r\n";
  }
  UString names;
  for (auto entry = table.rbegin(); entry != table.rend(); ++entry) {
    names = u"\t\t" + entry->name + u"()\r\n" + names;
    if (entry->end) LiteralCutBlock(text, entry->start, *entry->end);
  }
  UString item = u"\t\u00B7  Macro Comments Removed: " + ToDecimal(static_cast<int64_t>(table.size())) + u"\r\n";
  if (!names.empty()) item += u"\r\n" + names;
  return {std::move(text), std::move(item)};
}

}  // namespace sparlin::oracle
