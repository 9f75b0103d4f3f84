// Numbers of the resources embedded by sparlin.rc.
#pragma once

// The program's icon; the lowest number, so that the file manager and the
// taskbar show it for the program.
#define SPARLIN_RES_ICON 1
#define SPARLIN_RES_DONATE_PNG 101
