// The measured comparison of the build report: the assembly as the line
// rules left it before library pruning, reassembled once more with the same
// switches into a temporary output, measured and deleted.
#pragma once

#include "app/build_report.h"
#include "core/build_state.h"

namespace sparlin {

// The folder for the comparison's files, with a trailing separator: TMPDIR,
// TMP or TEMP, else "/tmp/".
UString TemporaryFolder();

// Runs the comparison once the build has made its output, while the files
// its switches name (resource script, export definitions) are still there.
// The assembly goes beside the build's own, the output into
// `temporary_folder`; both are deleted. Never touches the build's own files
// or its run log.
CompareOutcome MeasureWithoutPruning(BuildContext& ctx, UStringView temporary_folder);

// The switches with the output path of the "/EXE" switch replaced.
CompilerSwitches WithOutputPath(CompilerSwitches switches, UStringView output_path);

}  // namespace sparlin
