// What macro removal and uncalled procedure removal share: the definition
// blocks they record while they assemble the working text (working_text.h),
// and the cut that takes a block out of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/ustring.h"

namespace sparlin {

// A Macro or Procedure block in the working text: from the first byte of
// its definition line to just past its end line (before the line break).
struct DefinitionBlock {
  std::string name;  // the bytes of the definition line's name
  size_t start = 0;
  std::optional<size_t> end;
};

// The name in a definition line: the text before the first "(", split at
// blanks, second field ("Procedure.s Name (a)" gives "Name").
std::string_view DefinitionName(std::string_view line);

// True when `line`, with blanks and tabs trimmed from both ends, begins with
// `keyword` followed by one of `next_chars`: a definition line in any
// indentation, also one that the passes do not take as a definition.
bool OpensBlock(std::string_view line, std::string_view keyword, std::string_view next_chars);

// A block to cut: [start, end) of the working text.
struct BlockCut {
  size_t start;
  size_t end;
};

// Cuts `cuts` (in file order, apart from each other) out of `text` as if one
// after the other from the last to the first: at each cut the text that
// followed loses its leading and trailing "\r", then its leading and
// trailing "\n", and is joined to the text before the block. All cuts are
// applied in one pass over the text.
void CutBlocks(std::string& text, const std::vector<BlockCut>& cuts);

// The log item of a removal pass: caption + count + "\r\n", then, when names
// were removed, "\r\n" and the "\t\t" + name + "()\r\n" list.
UString RemovalLogItem(UStringView caption, size_t count, const std::vector<UString>& names);

}  // namespace sparlin
