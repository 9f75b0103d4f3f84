// The resource script "Sparlin.rc": a version resource filled from the
// "; VersionField" option lines and #include lines for "; AddResource" lines.
#pragma once

#include <optional>

#include "core/build_state.h"

namespace sparlin {

// The version template with every field filled, in one pass over the
// template, a quote in a text field written twice; nothing when the source
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

// The IDE option whose value the script could not hold as one value (a
// quote in an added resource's path; in a version number, the language or
// the type fields anything but letters, digits, blanks and "_,.|+-()");
// empty when every value can be written.
UString UnpassableResourceOption(UStringView working_text, UStringView source_folder);

// Writes the script at `ResourceScriptPath` when the source asks for one and
// then sets the `Resource` switch. False when it could not be written.
bool WriteResourceScript(BuildContext& ctx, UStringView working_text);

}  // namespace sparlin
