#include "source_stage/option_lines.h"

namespace sparlin {

UString RestOfLine(UStringView text, size_t from) {
  if (from >= text.size()) return UString();
  size_t end = text.find_first_of(u"\r\n", from);
  if (end == UStringView::npos) end = text.size();
  return UString(text.substr(from, end - from));
}

UString ValueAfter(UStringView text, size_t match, size_t offset) { return RestOfLine(text, match + offset); }

}  // namespace sparlin
