// Deleting uncalled procedures from a preprocessed file's lines. The file's
// own bytes, read a few bytes at a time, must give what its lines give.
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"
#include "source_stage/procedure_removal.h"

using namespace sparlin;

SPARLIN_FUZZ_TARGET(procedure_removal) {
  std::string_view bytes = fuzz::AsBytes(data, size);
  ProcedureRemovalResult result = RemoveUncalledProcedureBlocks(fuzz::TextLines(bytes));
  ProcedureRemovalResult from_file = RemoveUncalledProcedureBlocksInFile(FileLines::OfUtf8(bytes, 1 + size % 7));
  SPARLIN_FUZZ_CHECK(from_file.text == result.text && from_file.removed == result.removed);
  ProcedureLogItem(result);
  return 0;
}
