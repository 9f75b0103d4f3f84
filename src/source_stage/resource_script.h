// The resource script "Sparlin.rc": a version resource filled from the
// "; VersionField" option lines and #include lines for "; AddResource" lines.
#pragma once

#include <optional>

#include "core/build_state.h"

namespace sparlin {

// The version template with every field filled, or nothing when the source
// has no "; IncludeVersionInfo" line.
std::optional<UString> VersionResourceText(UStringView working_text);

// "\r\n#include \"" + path + "\"" for every "; AddResource" line, in order;
// a resource in `source_folder` is named by its bare file name. Empty when
// the source adds no resources.
UString ResourceIncludeText(UStringView working_text, UStringView source_folder);

// The bytes of the script: the UTF-8 mark, the version resource (when there
// is one), then, when there are includes, an empty line, the includes and a
// final line break. Nothing when there is neither.
std::optional<std::string> ResourceScriptBytes(const std::optional<UString>& version_text,
                                               UStringView include_text);

// Writes the script at `ResourceScriptPath` and sets the `Resource` switch
// when it was written. Write failures are silent.
void WriteResourceScript(BuildContext& ctx, UStringView working_text);

}  // namespace sparlin
