// A 32-bit DLL's "PureBasic.def" pairs each export name with the symbol that
// the assembly defines; the symbol needs its leading "_" to match.
#pragma once

#include "platform/file_system.h"
#include "text/ustring.h"

namespace sparlin {

// The definition text with "_" inserted after the first "\"=\"" of each line.
// Lines are rejoined with "\r\n"; the text ends without its last line break.
UString FixExportDefinitionText(UStringView definition_text);

// Rewrites the file at `def_path` in place (UTF-8, no byte-order mark). A
// missing, unreadable or unwritable file is left alone; returns whether it was
// rewritten.
bool FixExportDefinitionFile(platform::FileSystem& files, const UString& def_path);

}  // namespace sparlin
