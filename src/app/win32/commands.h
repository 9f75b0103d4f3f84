// The commands of the main window's buttons.
#pragma once

namespace sparlin::win32 {

// Runs the command of a main-window button by its control number; a command
// whose condition fails does nothing.
void RunCommand(int control);

}  // namespace sparlin::win32
