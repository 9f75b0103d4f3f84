// The line-by-line rewrite of the compiler's assembly. The first byte chooses
// the options, the rest of the first line is the source folder, the rest is
// the assembly file. The pass over the file's bytes must give what the line
// rules give read one by one over its UTF-16 lines (the oracle): the text,
// the counts, the called functions, the library names and the bitness.
#include "asm_stage/assembly_text_pass.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"
#include "oracle/literal_assembly_pass.h"

using namespace sparlin;

SPARLIN_FUZZ_TARGET(assembly_text_pass) {
  auto [flags, rest] = fuzz::TakeByte(fuzz::AsBytes(data, size));
  auto [folder, assembly_file] = fuzz::TakeLine(rest);
  AsmPassOptions options;
  options.remove_empty = flags & 1;
  options.remove_comments = flags & 2;
  options.remove_absolute_paths = flags & 4;
  options.remove_uncalled = flags & 8;
  options.empty_lines = (flags >> 4) & 3;
  options.nop_lines = (flags >> 6) & 3;

  AsmValues literal_values;
  oracle::LiteralAsmPass literal = oracle::LiteralRewriteAssembly(DecodeUtf8(assembly_file), options,
                                                                  DecodeUtf8(folder), literal_values, INT32_MAX);
  AsmValues values;
  AsmBytesPassResult bytes = RewriteAssemblyBytes(assembly_file, options, DecodeUtf8(folder), values);
  SPARLIN_FUZZ_CHECK(!bytes.failed && !literal.failed);
  SPARLIN_FUZZ_CHECK(bytes.text == EncodeUtf8(literal.text));
  SPARLIN_FUZZ_CHECK(bytes.called_functions == literal.called_functions &&
                     bytes.called_function_count == literal.called_function_count);
  SPARLIN_FUZZ_CHECK(bytes.empty_lines_removed == literal.empty_lines_removed);
  SPARLIN_FUZZ_CHECK(bytes.comments_removed == literal.comments_removed);
  SPARLIN_FUZZ_CHECK(bytes.paths_removed == literal.paths_removed);
  SPARLIN_FUZZ_CHECK(values.ImportedLibraries == literal_values.ImportedLibraries);
  SPARLIN_FUZZ_CHECK(values.Is64Bit == literal_values.Is64Bit && values.EntryLabelSeen == literal_values.EntryLabelSeen);
  return 0;
}
