// Reads the IDE options that the PureBasic IDE stores in the source and turns
// them into compiler switches.
#pragma once

#include "pipeline/build_state.h"

namespace sparlin {

// Reads `SourcePath`; fills ctx.state.source. Returns the source's
// byte-order-mark kind, or kReadFailed after the "Error BOM" message.
TextEncoding ReadIdeOptions(BuildContext& ctx);

}  // namespace sparlin
