// Deleting uncalled procedures from a preprocessed file's lines.
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"
#include "source_stage/procedure_removal.h"

using namespace sparlin;

SPARLIN_FUZZ_TARGET(procedure_removal) {
  ProcedureRemovalResult result = RemoveUncalledProcedureBlocks(fuzz::TextLines(fuzz::AsBytes(data, size)));
  ProcedureLogItem(result);
  return 0;
}
