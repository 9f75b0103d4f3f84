#include "source_stage/procedure_removal.h"

#include "source_stage/definition_blocks.h"
#include "source_stage/preprocessed_file.h"
#include "source_stage/procedure_references.h"
#include "source_stage/working_text.h"
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

// The procedure table, filled line by line while the working text is written.
class ProcedureTable {
 public:
  // Only lines that begin with "P", "E" or a tab can open or close a block.
  static bool MayMatter(UStringView line) {
    return !line.empty() && (line[0] == u'P' || line[0] == u'E' || line[0] == u'\t');
  }

  void Visit(UStringView line, size_t offset) {
    switch (ClassifyLine(line)) {
      case LineKind::kDefinition:
        table_.push_back({DefinitionName(line), offset, std::nullopt});
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
        if (OpensBlock(line, u"Procedure"sv, u" \t.$CD"sv)) current_.reset();
        break;
    }
  }

  // Counts the references in the working text and cuts the uncalled blocks.
  ProcedureRemovalResult Finish(std::optional<UString> text) {
    ProcedureRemovalResult result;
    if (!text) return result;
    // The counts use the text as read, not as cut: a procedure that only
    // removed procedures call stays. The definition line is one of the
    // references counted.
    std::vector<UString> names;
    names.reserve(table_.size());
    for (const DefinitionBlock& entry : table_) names.push_back(entry.name);
    std::vector<int64_t> references = CountProcedureReferences(*text, names);
    std::vector<BlockCut> cuts;
    for (size_t i = 0; i < table_.size(); ++i) {
      if (!table_[i].end || references[i] - 1 != 0) continue;
      result.removed.push_back(table_[i].name);
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

template <typename Lines>
ProcedureRemovalResult RemoveBlocks(const Lines& lines, const TextBuilderLimits& limits,
                                    const std::function<void()>& release_input) {
  ProcedureTable table;
  std::optional<UString> text = BuildWorkingText(lines, limits, release_input, [&table](UStringView line, size_t offset) {
    if (ProcedureTable::MayMatter(line)) table.Visit(line, offset);
  });
  return table.Finish(std::move(text));
}

}  // namespace

ProcedureRemovalResult RemoveUncalledProcedureBlocks(const std::vector<UString>& lines, const TextBuilderLimits& limits) {
  return RemoveBlocks(lines, limits, {});
}

ProcedureRemovalResult RemoveUncalledProcedureBlocks(const std::vector<UStringView>& lines, const TextBuilderLimits& limits,
                                const std::function<void()>& release_input) {
  return RemoveBlocks(lines, limits, release_input);
}

ProcedureRemovalResult RemoveUncalledProcedureBlocksInFile(const FileLines& file, const TextBuilderLimits& limits,
                                                           const std::function<void()>& release_file) {
  return RemoveBlocks(file, limits, release_file);
}

UString ProcedureLogItem(const ProcedureRemovalResult& result) {
  return RemovalLogItem(u"\t\u00B7  Uncalled Procedures Removed: ", result.removed.size(), result.removed);
}

void RemoveUncalledProcedures(BuildContext& ctx) {
  RewritePreprocessedFile(ctx, u"Error Procedures", 33, [&limits = ctx.text_limits](const FileLines& file,
                                                         const std::function<void()>& release_file) {
    ProcedureRemovalResult result = RemoveUncalledProcedureBlocksInFile(file, limits, release_file);
    return RewrittenText{result.ok, std::move(result.text), result.ok ? ProcedureLogItem(result) : UString()};
  });
}

}  // namespace sparlin
