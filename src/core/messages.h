// The texts of the file-error messages that every rewriting step shows,
// titled after the step.
#pragma once

#include "text/ustring.h"

namespace sparlin {

// "Reading " / "Writing " + path + " was not successful..."
inline UString ReadingFailedText(UStringView path) { return u"Reading " + UString(path) + u" was not successful..."; }
inline UString WritingFailedText(UStringView path) { return u"Writing " + UString(path) + u" was not successful..."; }

// A path that the build would write names the source file itself.
inline UString SourceWouldBeOverwrittenText(UStringView source, UStringView derived) {
  return u"The file " + UString(derived) + u" that the build would write is the source file " + UString(source) +
         u" itself. Nothing was built.";
}

}  // namespace sparlin
