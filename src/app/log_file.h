// Saving the run log as a file, for Save Log and sparlin-cli's --log.
#pragma once

#include "core/build_state.h"

namespace sparlin {

// Writes the log (LogFileBytes) to `path` safely: a temporary file beside it,
// then a rename, so that a failed write leaves any older file whole. A path
// that names the source or a file the build writes, by its text or as the
// same file, is refused. Refusal and failure are shown as messages; true
// when the file was written.
bool SaveLogFile(BuildContext& ctx, const UString& path);

}  // namespace sparlin
