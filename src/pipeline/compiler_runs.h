// The three stages, each of which runs pbcompiler.exe once and hands what it
// wrote to the passes of its subsystem.
#pragma once

#include <memory>

#include "pipeline/build_state.h"
#include "platform/platform.h"

namespace sparlin {

bool PreprocessStage(BuildContext& ctx);
bool AssemblyStage(BuildContext& ctx);
bool ReassembleStage(BuildContext& ctx);

// The parameter texts of the three runs.
UString PreprocessParameters(const GlobalValues& g);
UString AssemblyParameters(const GlobalValues& g, const CompilerSwitches& s);
UString ReassembleParameters(const GlobalValues& g, const CompilerSwitches& s);

// Waits for the compiler, logs its output in one append and returns true for
// exit code 0 (the error sound plays otherwise). A null process gives false.
bool CollectCompilerOutput(BuildContext& ctx, std::unique_ptr<platform::Process> process);

}  // namespace sparlin
