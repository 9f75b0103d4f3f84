// The texts of the file-error messages that every rewriting step shows,
// titled after the step.
#pragma once

#include "text/ustring.h"

namespace sparlin {

// "Reading " / "Writing " + path + " was not successful..."
inline UString ReadingFailedText(UStringView path) { return u"Reading " + UString(path) + u" was not successful..."; }
inline UString WritingFailedText(UStringView path) { return u"Writing " + UString(path) + u" was not successful..."; }

}  // namespace sparlin
