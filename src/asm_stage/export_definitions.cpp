#include "asm_stage/export_definitions.h"

#include <string>

#include "asm_format/assembly_lines.h"
#include "text/text_ops.h"

namespace sparlin {

UString FixExportDefinitionText(UStringView definition_text) {
  UString text;
  for (UString line : SplitLines(definition_text)) {
    line += u"\r\n";
    size_t pair = line.find(u"\"=\"");
    if (pair != UString::npos) line.insert(pair + 3, u"_");
    text += line;
  }
  // A file that ended in empty lines keeps all but the last line break.
  while (!text.empty() && text.back() == u'\n') text.pop_back();
  while (!text.empty() && text.back() == u'\r') text.pop_back();
  return text;
}

bool FixExportDefinitionFile(platform::FileSystem& files, const UString& def_path) {
  std::string bytes;
  if (!files.ReadWholeFile(def_path, bytes)) return false;
  UString fixed = FixExportDefinitionText(DecodeCompilerFileText(bytes));
  return files.SafeReplaceFile(def_path, EncodeUtf8(fixed));
}

}  // namespace sparlin
