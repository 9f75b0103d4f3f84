// Small helpers shared by the assembly stage tests.
#pragma once

#include <string>
#include <vector>

#include "text/text_ops.h"
#include "text/ustring.h"

namespace sparlin::testing {

// Lines of a "\n"-separated literal (a final "\n" starts no further line).
inline std::vector<UString> LinesOf(std::string_view text) { return SplitLines(DecodeUtf8(text)); }

// The literal with every "\n" written as "\r\n", as the passes write files.
inline std::string Crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace sparlin::testing
