// Reading a runtime library file's function names among binary noise.
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"
#include "pruning/library_files.h"
#include "text/text_ops.h"

using namespace sparlin;

SPARLIN_FUZZ_TARGET(library_file) {
  std::string_view bytes = fuzz::AsBytes(data, size);
  for (std::string_view line : SplitLibraryLines(bytes)) {
    SPARLIN_FUZZ_CHECK(line.find('\0') == std::string_view::npos);
    CleanLibraryCandidate(TrimBlanks(DecodeUtf8(line)));
  }
  for (const UString& name : LibraryFunctionNames(bytes)) SPARLIN_FUZZ_CHECK(!name.empty());
  return 0;
}
