// <windows.h> for the Windows code, with the macros that would rename the
// program's own functions (DeleteFile, PlaySound, ...) removed, and the
// conversions between the program's UTF-16 strings and wide-character ones.
#pragma once

#include <windows.h>

#include <string>

#include "text/ustring.h"

#undef DeleteFile
#undef CopyFile
#undef PlaySound
#undef GetEnvironmentVariable

namespace sparlin::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 code units");

inline std::wstring Wide(UStringView text) {
  return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

inline UString FromWide(const wchar_t* text, size_t length) {
  return UString(reinterpret_cast<const char16_t*>(text), length);
}

inline UString FromWide(const std::wstring& text) { return FromWide(text.data(), text.size()); }

}  // namespace sparlin::win32
