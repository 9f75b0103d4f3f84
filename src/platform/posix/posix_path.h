// Windows-style paths handed to POSIX: every backslash becomes a slash.
#pragma once

#include <string>

#include "text/ustring.h"

namespace sparlin::platform {

// A path holding a zero character names no file: it becomes the empty path,
// which every call refuses (the system would cut it at the zero).
inline std::string NativePath(UStringView path) {
  if (path.find(u'\0') != UStringView::npos) return std::string();
  std::string native = EncodeUtf8(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

}  // namespace sparlin::platform
