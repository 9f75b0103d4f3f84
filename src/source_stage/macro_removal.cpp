#include "source_stage/macro_removal.h"

#include "text/text_builder.h"
#include "source_stage/definition_blocks.h"
#include "source_stage/preprocessed_file.h"
#include "text/text_ops.h"

namespace sparlin {

MacroRemovalResult RemoveMacroBlocks(const std::vector<UString>& lines, const TextBuilderLimits& limits) {
  MacroRemovalResult result;
  TextBuilder builder(limits);

  // The table is in file order; the cuts run from its back, from the end of
  // the text towards its start, so the recorded offsets stay valid.
  std::vector<DefinitionBlock> table;
  std::optional<size_t> current;
  size_t offset = 0;
  for (const UString& raw : lines) {
    UString line = TrimBlanks(raw);
    if (UStringView(line).substr(0, 6) == u"Macro ") {
      table.push_back({DefinitionName(line), offset, std::nullopt});
      current = table.size() - 1;
    } else if (OpensBlock(line, u"Macro", u" \t")) {
      // A block that is not taken (tab-indented, or a tab after the keyword)
      // owns the next end line, so no recorded block may take it.
      current.reset();
    } else if (UStringView(line).substr(0, 6) == u"EndMac" && current && !table[*current].end) {
      // Only an open block is closed, so an end line never stretches a
      // finished block over the code that follows it.
      table[*current].end = offset + line.size();
    }
    builder.Append(line + u"\r\n");
    offset += line.size() + 2;
  }
  if (builder.Failed()) return result;
  UString text = builder.Text();

  for (auto entry = table.rbegin(); entry != table.rend(); ++entry) {
    if (entry->end) CutBlock(text, entry->start, *entry->end);
  }
  result.ok = true;
  result.text = std::move(text);
  result.count = table.size();
  for (const DefinitionBlock& entry : table) result.names.push_back(entry.name);
  return result;
}

UString MacroLogItem(const MacroRemovalResult& result) {
  return RemovalLogItem(u"\t\u00B7  Macro Comments Removed: ", result.count, result.names);
}

void RemoveMacros(BuildContext& ctx) {
  RewritePreprocessedFile(ctx, u"Error Macros", 25, [&limits = ctx.text_limits](const std::vector<UString>& lines) {
    MacroRemovalResult result = RemoveMacroBlocks(lines, limits);
    return RewrittenText{result.ok, std::move(result.text), result.ok ? MacroLogItem(result) : UString()};
  });
}

}  // namespace sparlin
