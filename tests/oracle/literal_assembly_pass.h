// The assembly line rules written out rule by rule over the file's UTF-16
// lines, each appended to a text builder as it is written. Tests hold the
// program's pass on the file's bytes to it.
#pragma once

#include <cstdint>
#include <vector>

#include "asm_stage/assembly_text_pass.h"
#include "core/build_state.h"
#include "text/ustring.h"

namespace sparlin::oracle {

struct LiteralAsmPass {
  UString text;  // empty when the text did not fit
  bool failed = false;
  int64_t empty_lines_removed = 0;
  int64_t comments_removed = 0;
  int64_t paths_removed = 0;
  UString called_functions;
  int64_t called_function_count = 0;
};

// `text` is the file's text behind its byte-order mark. `max_length` bounds
// the output in UTF-16 code units.
LiteralAsmPass LiteralRewriteAssembly(UStringView text, const AsmPassOptions& options, UStringView source_folder,
                                      AsmValues& assembly, int64_t max_length);

}  // namespace sparlin::oracle
