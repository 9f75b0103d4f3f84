// Deletes the Macro ... EndMacro blocks from the preprocessed file.
#pragma once

#include "pipeline/build_state.h"

namespace sparlin {

void RemoveMacros(BuildContext& ctx);

}  // namespace sparlin
