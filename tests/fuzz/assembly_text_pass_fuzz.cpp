// The line-by-line rewrite of the compiler's assembly. The first byte chooses
// the options, the rest of the first line is the source folder, the rest is
// the assembly file.
#include "asm_stage/assembly_text_pass.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"

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

  AsmValues assembly;
  AsmPassResult result =
      RewriteAssemblyText(fuzz::TextLines(assembly_file), options, DecodeUtf8(folder), assembly);
  AsmCountsSummary(result);
  CalledFunctionsSummary(result);
  SortLibraryNames(assembly.ImportedLibraries);
  ImportedLibrariesSummary(assembly.ImportedLibraries);
  return 0;
}
