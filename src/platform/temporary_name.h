// The name of the temporary file that stands in for a file while it is being
// written: beside it, so that a rename puts it in place, and unpredictable, so
// that nobody can plant a link under that name beforehand.
#pragma once

#include "text/ustring.h"

namespace sparlin::platform {

// `target` + ".sparlin-tmp-" + 16 random hex digits; a new name each call.
UString TemporaryPathBeside(UStringView target);

// How often a temporary file's creation tries a new name when one is taken.
constexpr int kTemporaryNameAttempts = 16;

}  // namespace sparlin::platform
