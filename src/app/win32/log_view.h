// The run log view: a read-only rich-edit control inside a bordered
// container.
#pragma once

#include "platform/win32/windows_api.h"

namespace sparlin::win32 {

// Creates the container (control 6) with the log view (control 0) in it.
HWND CreateLogView(HWND main);
// Main thread: adds the chunk at the end, clears the selection and keeps the
// end in view.
void AppendToLogView(const UString& chunk);
// Font and tab stops of the view for `dpi`.
void SetLogViewDpi(UINT dpi);

}  // namespace sparlin::win32
