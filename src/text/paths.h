// The path functions used throughout: Windows paths, where both the backslash
// and the slash separate folders.
#pragma once

#include "text/ustring.h"

namespace sparlin {

// Everything up to and including the last backslash or slash; empty when the
// text has none.
UString PathFolder(UStringView path);
// The text after the folder part (file name with its extension).
UString PathFileName(UStringView path);
// The file name up to, not including, its last dot (the whole name without one).
UString PathBaseName(UStringView path);
// The text after the last dot of the file name, without the dot.
UString PathExtension(UStringView path);

}  // namespace sparlin
