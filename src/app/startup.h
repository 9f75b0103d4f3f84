// Start-up: the global values derived from the IDE's parameters and
// environment, before any window exists.
#pragma once

#include "core/build_paths.h"
#include "core/build_state.h"

namespace sparlin {

GlobalValues DeriveStartupValues(const UString& parameter1, const UString& parameter2,
                                 const UString& pb_tool_compiler, const UString& pb_tool_executable);

// The Suffix setting as the created file's name uses it: trimmed of blanks,
// "_Sparl" when that leaves nothing or holds a character that Windows allows
// in no file name.
UString EffectiveSuffix(const UString& suffix_text);

}  // namespace sparlin
