#include "oracle/literal_source_passes.h"

#include <algorithm>
#include <optional>

#include "source_stage/definition_blocks.h"
#include "text/text_ops.h"

namespace sparlin::oracle {
namespace {

enum class LineKind { kOther, kDefinition, kExported, kEnd };

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
  UString after = TrimChar(TrimChar(UStringView(text).substr(end), u'\r'), u'\n');
  text = text.substr(0, start) + after;
}

ProcedureRemovalResult LiteralRemoveUncalledProcedureBlocks(const std::vector<UString>& lines) {
  ProcedureRemovalResult result;
  std::vector<DefinitionBlock> table;
  std::optional<size_t> current;
  UString text;
  for (const UString& raw : lines) {
    UString line = TrimBlanks(raw);
    switch (ClassifyProcedureLine(line)) {
      case LineKind::kDefinition:
        table.push_back({DefinitionName(line), text.size(), std::nullopt});
        current = table.size() - 1;
        break;
      case LineKind::kExported:
        current.reset();
        break;
      case LineKind::kEnd:
        if (current && !table[*current].end) table[*current].end = text.size() + line.size();
        break;
      case LineKind::kOther:
        if (OpensBlock(line, u"Procedure", u" \t.$CD")) current.reset();
        break;
    }
    text += line + u"\r\n";
  }
  const UString lower_text = ToLower(text);
  for (auto entry = table.rbegin(); entry != table.rend(); ++entry) {
    if (!entry->end || LiteralReferenceCount(lower_text, entry->name) - 1 != 0) continue;
    result.removed.push_back(entry->name);
    LiteralCutBlock(text, entry->start, *entry->end);
  }
  std::reverse(result.removed.begin(), result.removed.end());
  result.ok = true;
  result.text = std::move(text);
  return result;
}

MacroRemovalResult LiteralRemoveMacroBlocks(const std::vector<UString>& lines) {
  MacroRemovalResult result;
  std::vector<DefinitionBlock> table;
  std::optional<size_t> current;
  UString text;
  for (const UString& raw : lines) {
    UString line = TrimBlanks(raw);
    if (UStringView(line).substr(0, 6) == u"Macro ") {
      table.push_back({DefinitionName(line), text.size(), std::nullopt});
      current = table.size() - 1;
    } else if (OpensBlock(line, u"Macro", u" \t")) {
      current.reset();
    } else if (UStringView(line).substr(0, 6) == u"EndMac" && current && !table[*current].end) {
      table[*current].end = text.size() + line.size();
    }
    text += line + u"\r\n";
  }
  for (auto entry = table.rbegin(); entry != table.rend(); ++entry) {
    if (entry->end) LiteralCutBlock(text, entry->start, *entry->end);
  }
  result.ok = true;
  result.text = std::move(text);
  result.count = table.size();
  for (const DefinitionBlock& entry : table) result.names.push_back(entry.name);
  return result;
}

}  // namespace sparlin::oracle
