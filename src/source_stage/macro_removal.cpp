#include "source_stage/macro_removal.h"

#include "pipeline/text_builder.h"
#include "platform/platform.h"
#include "source_stage/definition_blocks.h"
#include "source_stage/preprocessed_file.h"
#include "text/text_ops.h"

namespace sparlin {

MacroRemovalResult RemoveMacroBlocks(const std::vector<UString>& lines) {
  MacroRemovalResult result;
  TextBuilder builder = TextBuilderNew();
  if (!builder) return result;

  // Newest definition first: the cuts then run from the end of the text
  // towards its start, and the recorded offsets stay valid.
  std::vector<DefinitionBlock> table;
  size_t offset = 0;
  for (const UString& raw : lines) {
    UString line = TrimBlanks(raw);
    UStringView head = UStringView(line).substr(0, 6);
    if (head == u"Macro ") {
      table.push_back({DefinitionName(line), offset, std::nullopt});
    } else if (head == u"EndMac" && !table.empty() && !table.back().end) {
      // Only an open block is closed: the end line of a block whose first
      // line was not recognised must not stretch the block before it over
      // the code in between.
      table.back().end = offset + line.size();
    }
    TextBuilderAppend(builder, line + u"\r\n");
    offset += line.size() + 2;
  }
  bool failed = TextBuilderFailed(builder);
  UString text = failed ? UString() : TextBuilderText(builder);
  TextBuilderFree(builder);
  if (failed) return result;

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
  const UString& path = ctx.state.globals.OptimizedSourcePath;
  const TextEncoding format = ctx.state.source.SourceFormat;
  std::string bytes;
  if (!platform::ReadWholeFile(path, bytes)) {
    ctx.host.ShowMessage(u"Error Macros", ReadingFailedText(path), MessageIcon::kError);
    return;
  }
  MacroRemovalResult result = RemoveMacroBlocks(SplitLines(DecodePreprocessed(bytes, format)));
  if (!result.ok) {
    ctx.host.ShowMessage(u"Error Macros", WritingFailedText(path), MessageIcon::kError);
    return;
  }
  ctx.log.Append(MacroLogItem(result));
  ctx.host.SetProgress(25);
  if (!platform::SafeReplaceFile(path, EncodePreprocessed(result.text, format))) {
    ctx.host.ShowMessage(u"Error Macros", WritingFailedText(path), MessageIcon::kError);
  }
}

}  // namespace sparlin
