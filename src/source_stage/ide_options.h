// Reads the IDE options that the PureBasic IDE stores in the source and turns
// them into compiler switches.
#pragma once

#include "core/build_state.h"

namespace sparlin {

// What the option lines of one source text yield.
struct IdeOptions {
  CompilerSwitches switches;  // all but `Resource`, which the resource script sets
  UString format;             // " /DLL", " /CONSOLE" or empty
  int64_t compile_count = 0;
  int64_t build_count = 0;
  int64_t exe_constant = 0;
  // True when an editor constant was filled in: the constants copy is due.
  bool constants_filled = false;
  // The source text after the editor constants were filled in.
  UString working_text;
  // The output path: the given one, or the "; Executable " value when the
  // given one is empty.
  UString output_path;
  UString icon_path;       // the "; UseIcon " value, or empty
  UString options_footer;  // from "; IDE Options =" to the end, or empty
};

// Works on the whole decoded source text; `output_path` is the output path
// known before the options are read.
// The text is taken over as the working text (a large source is not copied).
IdeOptions ParseIdeOptions(UString source_text, UStringView output_path);

// Reads `SourcePath`; fills ctx.state.source, may fill `OutputPath`, sets
// `ResourceScriptPath`, writes the constants copy and the resource script.
// Returns the source's byte-order-mark kind, or kReadFailed after the
// "Error BOM" message.
TextEncoding ReadIdeOptions(BuildContext& ctx);

}  // namespace sparlin
