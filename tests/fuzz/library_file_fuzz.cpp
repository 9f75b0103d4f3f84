// Reading a runtime library file's function names among binary noise: the
// program's reader must give the names that the rules, read one by one, give
// (tests/oracle/literal_library_files.h), with no declared names and with
// the names that the file's own text declares as an assembly would.
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"
#include "oracle/literal_library_files.h"
#include "pruning/library_files.h"

using namespace sparlin;

SPARLIN_FUZZ_TARGET(library_file) {
  auto [flags, bytes] = fuzz::TakeByte(fuzz::AsBytes(data, size));
  std::vector<std::string> lines;
  for (std::string_view line : SplitLibraryLines(bytes)) lines.emplace_back(line);
  SPARLIN_FUZZ_CHECK(lines == oracle::LiteralLibraryLines(bytes));
  SPARLIN_FUZZ_CHECK(LibraryFunctionNames(bytes) == oracle::LiteralLibraryNames(bytes));
  // The file's text as an assembly that declares names.
  bool is_64_bit = flags & 1;
  UString text = DecodeUtf8(bytes);
  SPARLIN_FUZZ_CHECK(LibraryFunctionNames(bytes, DeclaredRuntimeNames(bytes, is_64_bit)) ==
                     oracle::LiteralLibraryNames(bytes, oracle::LiteralDeclaredNames(text, is_64_bit)));
  return 0;
}
