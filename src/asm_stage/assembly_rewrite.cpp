#include "asm_stage/assembly_rewrite.h"

namespace sparlin {

int RewriteAssemblyFile(BuildContext&) { return 0; }

}  // namespace sparlin
