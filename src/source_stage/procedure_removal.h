// Deletes the procedures of the preprocessed file that nothing refers to.
#pragma once

#include "pipeline/build_state.h"

namespace sparlin {

void RemoveUncalledProcedures(BuildContext& ctx);

}  // namespace sparlin
