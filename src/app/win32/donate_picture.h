// The donate button's picture, decoded from the PNG embedded in the program.
#pragma once

#include "platform/win32/windows_api.h"

namespace sparlin::win32 {

// A 36 x 36 bitmap of the picture on the button face colour; null when the
// picture cannot be decoded.
HBITMAP LoadDonateBitmap();

}  // namespace sparlin::win32
