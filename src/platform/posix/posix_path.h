// Windows-style paths handed to POSIX: every backslash becomes a slash.
#pragma once

#include <string>

#include "text/ustring.h"

namespace sparlin::platform {

inline std::string NativePath(UStringView path) {
  std::string native = EncodeUtf8(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

}  // namespace sparlin::platform
