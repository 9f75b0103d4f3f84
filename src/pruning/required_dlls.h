// Copies the DLLs that the output program needs beside it: those that some
// runtime libraries load from the compiler's folder, those behind the import
// libraries that the program names, and those that its string literals name.
#pragma once

#include "core/build_state.h"
#include "text/ustring.h"

namespace sparlin {

// With CopyDLL on, copies each DLL found into the output folder and logs
// every successful copy; never onto the output file itself. Nothing here
// stops the build or shows a message.
void CopyRequiredDlls(BuildContext& ctx);

// The text of a data-word line (trimmed of blanks) when that text names a
// ".dll" file (extension compared ignoring case) and holds no zero character;
// empty otherwise.
UString DllPathFromDataWordLine(UStringView line);

}  // namespace sparlin
