// The Windows rules that split a parameter text into arguments, for starting
// processes on POSIX (where the same parameter texts are used).
#pragma once

#include <vector>

#include "text/ustring.h"

namespace sparlin {

// Splits like CommandLineToArgvW does for the arguments after the program
// name: blanks and tabs separate, double quotes group, 2n backslashes before
// a quote give n backslashes and an opening or closing quote, 2n+1 give n
// backslashes and a literal quote; a doubled quote inside quotes is one quote.
std::vector<UString> SplitCommandLine(UStringView parameters);

// The reverse: one argument quoted so that SplitCommandLine gives it back.
UString QuoteArgument(UStringView argument);

// A path as one argument, always in double quotes: "\"" + path + "\"" for
// every ordinary path, with a quote inside and backslashes before the closing
// quote escaped so that the path stays one argument.
UString QuotedPath(UStringView path);

}  // namespace sparlin
