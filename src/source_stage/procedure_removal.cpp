#include "source_stage/procedure_removal.h"

#include "source_stage/definition_blocks.h"
#include "source_stage/preprocessed_file.h"
#include "source_stage/procedure_references.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

using namespace std::string_view_literals;

enum class LineKind { kOther, kDefinition, kExported, kEnd };

LineKind ClassifyLine(UStringView line) {
  UStringView head = line.substr(0, 10);
  if (head == u"Procedure "sv || head == u"Procedure."sv || head == u"Procedure$"sv) return LineKind::kDefinition;
  if (head == u"ProcedureC"sv) {
    UStringView longer = line.substr(0, 11);
    if (longer == u"ProcedureC "sv || longer == u"ProcedureC."sv || longer == u"ProcedureC$"sv) return LineKind::kDefinition;
    return LineKind::kExported;  // ProcedureCDLL
  }
  if (head == u"ProcedureD"sv) return LineKind::kExported;  // ProcedureDLL
  if (head == u"EndProcedu"sv) return LineKind::kEnd;
  return LineKind::kOther;
}

}  // namespace

ProcedureRemovalResult RemoveUncalledProcedureBlocks(const std::vector<UString>& lines, const TextBuilderLimits& limits) {
  return RemoveUncalledProcedureBlocks(std::vector<UStringView>(lines.begin(), lines.end()), limits);
}

ProcedureRemovalResult RemoveUncalledProcedureBlocks(const std::vector<UStringView>& lines, const TextBuilderLimits& limits,
                                const std::function<void()>& release_input) {
  ProcedureRemovalResult result;
  std::vector<DefinitionBlock> table;  // in file order
  std::optional<size_t> current;
  std::optional<UString> text = BuildWorkingText(lines, limits, release_input, [&](UStringView line, size_t offset) {
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
        if (OpensBlock(line, u"Procedure"sv, u" \t.$CD"sv)) current.reset();
        break;
    }
  });
  if (!text) return result;

  // The counts use the text as read, not as cut: a procedure that only
  // removed procedures call stays. The definition line is one of the
  // references counted.
  std::vector<UString> names;
  names.reserve(table.size());
  for (const DefinitionBlock& entry : table) names.push_back(entry.name);
  std::vector<int64_t> references = CountProcedureReferences(*text, names);
  std::vector<BlockCut> cuts;
  for (size_t i = 0; i < table.size(); ++i) {
    if (!table[i].end || references[i] - 1 != 0) continue;
    result.removed.push_back(table[i].name);
    cuts.push_back({table[i].start, *table[i].end});
  }
  CutBlocks(*text, cuts);
  result.ok = true;
  result.text = std::move(*text);
  return result;
}

UString ProcedureLogItem(const ProcedureRemovalResult& result) {
  return RemovalLogItem(u"\t\u00B7  Uncalled Procedures Removed: ", result.removed.size(), result.removed);
}

void RemoveUncalledProcedures(BuildContext& ctx) {
  RewritePreprocessedFile(ctx, u"Error Procedures", 33, [&limits = ctx.text_limits](const std::vector<UStringView>& lines,
                                                         const std::function<void()>& release_lines) {
    ProcedureRemovalResult result = RemoveUncalledProcedureBlocks(lines, limits, release_lines);
    return RewrittenText{result.ok, std::move(result.text), result.ok ? ProcedureLogItem(result) : UString()};
  });
}

}  // namespace sparlin
