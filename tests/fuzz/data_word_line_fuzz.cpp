// Static-string lines of the assembly. The first line of the input is the
// source folder, the rest one data-word line.
#include "asm_format/data_word_line.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"
#include "text/text_ops.h"

using namespace sparlin;

SPARLIN_FUZZ_TARGET(data_word_line) {
  auto [folder_bytes, line_bytes] = fuzz::TakeLine(fuzz::AsBytes(data, size));
  UString line = TrimBlanks(DecodeUtf8(line_bytes));
  UString folder = DecodeUtf8(folder_bytes);
  ParseDataWordValue(line);
  DecodeDataWordLine(line);
  UString stripped = StripFolderFromDataWordLine(line, folder);
  // A rewritten line of the compiler's form (a label without blanks or
  // colons) is itself a data-word line whose text lost the folder.
  size_t mark = line.find(u": dw ");
  bool compiler_form = mark != UString::npos && line.find_first_of(u" :\t") == mark;
  if (compiler_form && !stripped.empty()) {
    SPARLIN_FUZZ_CHECK(DecodeDataWordLine(stripped).size() < DecodeDataWordLine(line).size());
  }
  return 0;
}
