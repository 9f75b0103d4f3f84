// The entry of a console program. The platform's own entry function (main,
// or wmain on Windows) turns the command line into UTF-16 arguments, sets
// standard output to pass "\r\n" through unchanged, and calls ConsoleMain,
// which the program defines.
#pragma once

#include <vector>

#include "text/ustring.h"

namespace sparlin::platform {

// The arguments after the program's name.
int ConsoleMain(const std::vector<UString>& args);

}  // namespace sparlin::platform
