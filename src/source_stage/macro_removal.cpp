#include "source_stage/macro_removal.h"

namespace sparlin {

void RemoveMacros(BuildContext& ctx) { ctx.host.SetProgress(25); }

}  // namespace sparlin
