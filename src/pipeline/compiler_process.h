// One run of pbcompiler.exe: its parameter texts, its start in the source's
// folder, and the collection of its output into the run log.
#pragma once

#include <memory>

#include "core/build_state.h"
#include "platform/process.h"

namespace sparlin {

// The parameter texts of the three runs.
UString PreprocessParameters(const GlobalValues& g);
UString AssemblyParameters(const GlobalValues& g, const CompilerSwitches& s);
UString ReassembleParameters(const GlobalValues& g, const CompilerSwitches& s);

// Starts `CompilerPath` with `parameters` in the source's folder, its
// standard output through a pipe; null when it cannot be started.
std::unique_ptr<platform::Process> StartCompiler(BuildContext& ctx, const UString& parameters);

// Waits for the compiler, logs its output in one append and returns true for
// exit code 0 (the error sound plays otherwise). A null process gives false.
bool CollectCompilerOutput(BuildContext& ctx, std::unique_ptr<platform::Process> process);

}  // namespace sparlin
