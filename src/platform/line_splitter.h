// The compiler output's line splitter, kept with the other text helpers
// (text/line_splitter.h); the process code names it here.
#pragma once

#include "text/line_splitter.h"

namespace sparlin::platform {
using sparlin::LineSplitter;
}  // namespace sparlin::platform
