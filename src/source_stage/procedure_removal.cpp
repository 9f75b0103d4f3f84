#include "source_stage/procedure_removal.h"

#include <algorithm>

#include "text/text_builder.h"
#include "source_stage/definition_blocks.h"
#include "source_stage/preprocessed_file.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

enum class LineKind { kOther, kDefinition, kExported, kEnd };

LineKind ClassifyLine(UStringView line) {
  UStringView head = line.substr(0, 10);
  if (head == u"Procedure " || head == u"Procedure." || head == u"Procedure$") return LineKind::kDefinition;
  if (head == u"ProcedureC") {
    UStringView longer = line.substr(0, 11);
    if (longer == u"ProcedureC " || longer == u"ProcedureC." || longer == u"ProcedureC$") return LineKind::kDefinition;
    return LineKind::kExported;  // ProcedureCDLL
  }
  if (head == u"ProcedureD") return LineKind::kExported;  // ProcedureDLL
  if (head == u"EndProcedu") return LineKind::kEnd;
  return LineKind::kOther;
}

// References to `name` in the lower-case text, less the definition line.
int64_t CountUses(UStringView lower_text, UStringView name) {
  UString n = ToLower(name);
  size_t count = CountOccurrences(lower_text, n + u"(") + CountOccurrences(lower_text, u"@" + n + u"(") +
                 CountOccurrences(lower_text, n + u" (") + CountOccurrences(lower_text, u"@" + n + u" (");
  return static_cast<int64_t>(count) - 1;
}

}  // namespace

ProcedureRemovalResult RemoveUncalledProcedureBlocks(const std::vector<UString>& lines, const TextBuilderLimits& limits) {
  ProcedureRemovalResult result;
  TextBuilder builder(limits);

  std::vector<DefinitionBlock> table;  // in file order; cut from the back
  std::optional<size_t> current;
  size_t offset = 0;
  for (const UString& raw : lines) {
    UString line = TrimBlanks(raw);
    switch (ClassifyLine(line)) {
      case LineKind::kDefinition:
        table.push_back({DefinitionName(line), offset, std::nullopt});
        current = table.size() - 1;
        break;
      case LineKind::kExported:
        // An exported procedure is never removed; its end line must not
        // close the procedure before it.
        current.reset();
        break;
      case LineKind::kEnd:
        // Only an open block is closed: the end line of a procedure whose
        // first line was not recognised must not stretch the block before
        // it over the code in between.
        if (current && !table[*current].end) table[*current].end = offset + line.size();
        break;
      case LineKind::kOther:
        // A definition that is not taken (tab-indented, or a tab after the
        // keyword) owns the next end line, so no recorded block may take it.
        if (OpensBlock(line, u"Procedure", u" \t.$CD")) current.reset();
        break;
    }
    builder.Append(line + u"\r\n");
    offset += line.size() + 2;
  }
  if (builder.Failed()) return result;
  UString text = builder.Text();

  // The counts use the text as read, not as cut: a procedure that only
  // removed procedures call stays.
  const UString lower_text = ToLower(text);
  for (auto entry = table.rbegin(); entry != table.rend(); ++entry) {
    if (!entry->end || CountUses(lower_text, entry->name) != 0) continue;
    result.removed.push_back(entry->name);
    CutBlock(text, entry->start, *entry->end);
  }
  std::reverse(result.removed.begin(), result.removed.end());  // back into file order
  result.ok = true;
  result.text = std::move(text);
  return result;
}

UString ProcedureLogItem(const ProcedureRemovalResult& result) {
  return RemovalLogItem(u"\t\u00B7  Uncalled Procedures Removed: ", result.removed.size(), result.removed);
}

void RemoveUncalledProcedures(BuildContext& ctx) {
  RewritePreprocessedFile(ctx, u"Error Procedures", 33, [&limits = ctx.text_limits](const std::vector<UString>& lines) {
    ProcedureRemovalResult result = RemoveUncalledProcedureBlocks(lines, limits);
    return RewrittenText{result.ok, std::move(result.text), result.ok ? ProcedureLogItem(result) : UString()};
  });
}

}  // namespace sparlin
