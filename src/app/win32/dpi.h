// The windows' layout is given in pixels at 96 DPI; on other displays every
// rectangle, font size and metric scales by the window's DPI / 96. The
// per-monitor functions of newer Windows versions are looked up at run time,
// so the program still starts where they are missing (the system DPI then
// serves every window).
#pragma once

#include "platform/win32/windows_api.h"

namespace sparlin::win32 {

constexpr UINT kBaseDpi = 96;

// `value` pixels at 96 DPI, at `dpi` (rounded half away from zero).
inline int Scale(int value, UINT dpi) { return MulDiv(value, static_cast<int>(dpi), static_cast<int>(kBaseDpi)); }

// Makes the process per-monitor DPI aware where the manifest could not (older
// systems read only its system-aware entry).
void DeclarePerMonitorDpiAwareness();

UINT SystemDpi();
UINT WindowDpi(HWND window);

// A system metric (SM_CXVSCROLL, ...) at `dpi`.
int SystemMetricAt(int index, UINT dpi);

// The outer size of a window of `style` whose inner size is width x height,
// at `dpi`.
SIZE OuterSizeFor(int width, int height, DWORD style, UINT dpi);

// The program's dialog font ("MS Shell Dlg" 8 pt, the stock GUI font) at
// `dpi`: the stock object itself at the system DPI, a font of the same face
// scaled to `dpi` otherwise (made once per DPI and kept).
HFONT DialogFontAt(UINT dpi);

}  // namespace sparlin::win32
