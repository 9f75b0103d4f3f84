#include "source_stage/procedure_removal.h"

namespace sparlin {

void RemoveUncalledProcedures(BuildContext& ctx) { ctx.host.SetProgress(33); }

}  // namespace sparlin
