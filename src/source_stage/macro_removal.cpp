#include "source_stage/macro_removal.h"

#include "source_stage/definition_blocks.h"
#include "source_stage/preprocessed_file.h"

namespace sparlin {

using namespace std::string_view_literals;

MacroRemovalResult RemoveMacroBlocks(const SourceText& file, const TextBuilderLimits& limits,
                                     const std::function<void()>& release_file) {
  MacroRemovalResult result;
  std::vector<DefinitionBlock> table;  // in file order
  std::optional<size_t> current;
  std::optional<std::string> text = BuildWorkingText(file, limits, release_file, [&](std::string_view line, size_t offset) {
    // Only lines that begin with "M", "E" or a tab can open or close a block.
    if (line.empty() || (line[0] != 'M' && line[0] != 'E' && line[0] != '\t')) return;
    if (line.substr(0, 6) == "Macro "sv) {
      table.push_back({std::string(DefinitionName(line)), offset, std::nullopt});
      current = table.size() - 1;
    } else if (OpensBlock(line, "Macro"sv, " \t"sv)) {
      // A block that is not taken (tab-indented, or a tab after the keyword)
      // owns the next end line, so no recorded block may take it.
      current.reset();
    } else if (line.substr(0, 6) == "EndMac"sv && current && !table[*current].end) {
      // Only an open block is closed, so an end line never stretches a
      // finished block over the code that follows it.
      table[*current].end = offset + line.size();
    }
  });
  if (!text) return result;

  std::vector<BlockCut> cuts;
  for (const DefinitionBlock& entry : table) {
    if (entry.end) cuts.push_back({entry.start, *entry.end});
  }
  CutBlocks(*text, cuts);
  result.ok = true;
  result.text = std::move(*text);
  result.count = table.size();
  for (const DefinitionBlock& entry : table) result.names.push_back(DecodeUtf8As(entry.name, file.form));
  return result;
}

UString MacroLogItem(const MacroRemovalResult& result) {
  return RemovalLogItem(u"\t\u00B7  Macro Comments Removed: ", result.count, result.names);
}

void RemoveMacros(BuildContext& ctx) {
  RewritePreprocessedFile(ctx, u"Error Macros", 25, [&limits = ctx.text_limits, &record = ctx.record](const SourceText& file,
                                                         const std::function<void()>& release_file) {
    MacroRemovalResult result = RemoveMacroBlocks(file, limits, release_file);
    if (result.ok) record.macros = result.names;  // the names as logged, for the build report
    return RewrittenText{result.ok, std::move(result.text), result.ok ? MacroLogItem(result) : UString()};
  });
}

}  // namespace sparlin
