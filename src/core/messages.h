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

namespace sparlin {

// The compiler run could not be started at all (a wrong path in the IDE's
// tool settings is the usual cause).
inline constexpr char16_t kCompilerNotStartedTitle[] = u"Error Compiler";
inline UString CompilerNotStartedText(UStringView compiler_path) {
  return u"The compiler " + UString(compiler_path) + u" could not be started.";
}

}  // namespace sparlin

namespace sparlin {

// An IDE option whose value would not reach the compiler or the resource
// script as one value.
inline constexpr char16_t kUnpassableOptionTitle[] = u"Error Options";
inline UString UnpassableOptionText(UStringView option) {
  return u"The value of the IDE option " + UString(option) +
         u" holds a character that cannot be passed on to the compiler. Nothing was built.";
}

}  // namespace sparlin

namespace sparlin {

// Save Log and --log: the chosen file would replace the source or a file of
// the build, or could not be written ("Writing ... was not successful...").
inline constexpr char16_t kLogFileTitle[] = u"Error Log";
inline UString LogFileRefusedText(UStringView path) {
  return u"The log file " + UString(path) +
         u" would replace the source file or a file that the build writes. The log was not saved.";
}

}  // namespace sparlin

namespace sparlin {

// Another build holds the lock of the folder this build writes into.
inline constexpr char16_t kBusyTitle[] = u"Error Busy";
inline UString BusyText(UStringView folder) {
  return u"Another Sparlin is building in " + UString(folder) + u" right now.";
}

}  // namespace sparlin
