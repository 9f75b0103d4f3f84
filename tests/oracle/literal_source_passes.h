// The straightforward forms of the source passes whose method was changed
// for speed: one whole-text search per procedure name and form, and one cut
// of the whole text per removed block. The differential tests compare the
// shipped passes with these, byte for byte; they are never shipped.
#pragma once

#include <cstdint>
#include <vector>

#include "text/ustring.h"

namespace sparlin::oracle {

// (name + "(") + ("@" + name + "(") + (name + " (") + ("@" + name + " (")
// occurrences in `lower_text`, each counted without overlap; `name` is
// lowered here.
int64_t LiteralReferenceCount(UStringView lower_text, UStringView name);

// Takes [start, end) out of `text`; the text that followed loses its leading
// and trailing "\r", then its leading and trailing "\n", and is joined to the
// text before `start`.
void LiteralCutBlock(UString& text, size_t start, size_t end);

// What a pass makes of a file's lines: the working text after the cuts
// (without the file's final "\r\n") and its log item.
struct LiteralPassResult {
  UString text;
  UString log_item;
};

LiteralPassResult LiteralRemoveUncalledProcedureBlocks(const std::vector<UString>& lines);
LiteralPassResult LiteralRemoveMacroBlocks(const std::vector<UString>& lines);

}  // namespace sparlin::oracle
