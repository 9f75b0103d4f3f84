// Gives the preprocessed file the encoding and byte-order mark of the source.
#pragma once

#include "pipeline/build_state.h"

namespace sparlin {

// False (after its message) when the preprocessed file cannot be read or
// written; the preprocess stage then stops the build.
bool ConvertSourceEncoding(BuildContext& ctx);

}  // namespace sparlin
