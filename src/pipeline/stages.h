// The three stages, each of which runs pbcompiler.exe once and hands what it
// wrote to its passes.
#pragma once

#include "core/build_state.h"

namespace sparlin {

bool PreprocessStage(BuildContext& ctx);
bool AssemblyStage(BuildContext& ctx);
bool ReassembleStage(BuildContext& ctx);

}  // namespace sparlin
