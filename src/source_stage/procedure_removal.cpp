#include "source_stage/procedure_removal.h"

#include "source_stage/definition_blocks.h"
#include "source_stage/preprocessed_file.h"
#include "source_stage/procedure_references.h"
#include "source_stage/working_text.h"

namespace sparlin {
namespace {

using namespace std::string_view_literals;

enum class LineKind { kOther, kDefinition, kExported, kEnd };

LineKind ClassifyLine(std::string_view line) {
  std::string_view head = line.substr(0, 10);
  if (head == "Procedure "sv || head == "Procedure."sv || head == "Procedure$"sv) return LineKind::kDefinition;
  if (head == "ProcedureC"sv) {
    std::string_view longer = line.substr(0, 11);
    if (longer == "ProcedureC "sv || longer == "ProcedureC."sv || longer == "ProcedureC$"sv) return LineKind::kDefinition;
    return LineKind::kExported;  // ProcedureCDLL
  }
  if (head == "ProcedureD"sv) return LineKind::kExported;  // ProcedureDLL
  if (head == "EndProcedu"sv) return LineKind::kEnd;
  return LineKind::kOther;
}

// The procedure table, filled line by line while the working text is written.
class ProcedureTable {
 public:
  // Only lines that begin with "P", "E" or a tab can open or close a block.
  static bool MayMatter(std::string_view line) {
    return !line.empty() && (line[0] == 'P' || line[0] == 'E' || line[0] == '\t');
  }

  void Visit(std::string_view line, size_t offset) {
    switch (ClassifyLine(line)) {
      case LineKind::kDefinition:
        table_.push_back({std::string(DefinitionName(line)), offset, std::nullopt});
        current_ = table_.size() - 1;
        break;
      case LineKind::kExported:
        // An exported procedure is never removed; its end line must not
        // close the procedure before it.
        current_.reset();
        break;
      case LineKind::kEnd:
        // Only an open block is closed: the end line of a procedure whose
        // first line was not recognised must not stretch the block before
        // it over the code in between.
        if (current_ && !table_[*current_].end) table_[*current_].end = offset + line.size();
        break;
      case LineKind::kOther:
        // A definition that is not taken (tab-indented, or a tab after the
        // keyword) owns the next end line, so no recorded block may take it.
        if (OpensBlock(line, "Procedure"sv, " \t.$CD"sv)) current_.reset();
        break;
    }
  }

  // Counts the references in the working text and cuts the uncalled blocks.
  ProcedureRemovalResult Finish(std::optional<std::string> text, Utf8Form form) {
    ProcedureRemovalResult result;
    if (!text) return result;
    // The counts use the text as read, not as cut: a procedure that only
    // removed procedures call stays. The definition line is one of the
    // references counted.
    std::vector<UString> names;
    names.reserve(table_.size());
    for (const DefinitionBlock& entry : table_) names.push_back(DecodeUtf8As(entry.name, form));
    std::vector<int64_t> references = CountProcedureReferences(*text, form, names);
    std::vector<BlockCut> cuts;
    for (size_t i = 0; i < table_.size(); ++i) {
      if (!table_[i].end || references[i] - 1 != 0) continue;
      result.removed.push_back(names[i]);
      cuts.push_back({table_[i].start, *table_[i].end});
    }
    CutBlocks(*text, cuts);
    result.ok = true;
    result.text = std::move(*text);
    return result;
  }

 private:
  std::vector<DefinitionBlock> table_;  // in file order
  std::optional<size_t> current_;
};

}  // namespace

ProcedureRemovalResult RemoveUncalledProcedureBlocks(const SourceText& file, const TextBuilderLimits& limits,
                                                     const std::function<void()>& release_file) {
  ProcedureTable table;
  std::optional<std::string> text = BuildWorkingText(file, limits, release_file, [&table](std::string_view line, size_t offset) {
    if (ProcedureTable::MayMatter(line)) table.Visit(line, offset);
  });
  return table.Finish(std::move(text), file.form);
}

UString ProcedureLogItem(const ProcedureRemovalResult& result) {
  return RemovalLogItem(u"\t\u00B7  Uncalled Procedures Removed: ", result.removed.size(), result.removed);
}

void RemoveUncalledProcedures(BuildContext& ctx) {
  RewritePreprocessedFile(ctx, u"Error Procedures", 33, [&limits = ctx.text_limits, &record = ctx.record](const SourceText& file,
                                                         const std::function<void()>& release_file) {
    ProcedureRemovalResult result = RemoveUncalledProcedureBlocks(file, limits, release_file);
    if (result.ok) record.procedures = result.removed;  // the names as logged, for the build report
    return RewrittenText{result.ok, std::move(result.text), result.ok ? ProcedureLogItem(result) : UString()};
  });
}

}  // namespace sparlin
