// Copies the DLLs that the output program needs beside it.
#pragma once

#include "pipeline/build_state.h"

namespace sparlin {

void CopyRequiredDlls(BuildContext& ctx);

}  // namespace sparlin
