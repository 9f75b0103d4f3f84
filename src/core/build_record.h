// What one build did, noted by the stages as they go, for the build report of
// sparlin-cli: which compiler runs took place, what the passes removed and
// kept, which DLLs were copied. Nothing in the build reads it back.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "text/ustring.h"

namespace sparlin {

// Library pruning. Reasons a library went: "unused" (no symbol referenced
// when removal starts), "emptied" (the first sweep removed its last symbol),
// "startup" (single start-up/clean-up symbol rule), "pair" (two-symbol rule),
// "plugin" (an image plugin library that the program does not need).
struct RemovedLibrary { UString name; UString reason; };
struct KeptSymbol { UString name; int32_t call_count = 0; };
// Rules that keep a library: "simple_list", "image_decoder", "image_encoder",
// "array", "runtime", "gadget", "plugin"; empty when kept by its calls.
struct KeptLibrary { UString name; std::vector<KeptSymbol> symbols; UString rule; };
struct PruningRecord {
  bool ran = false;
  std::vector<UString> functions;            // every symbol commented out, in log order
  std::vector<RemovedLibrary> libraries;     // in the order "Uncalled PB Libraries Removed" lists them
  std::vector<KeptLibrary> kept;             // every library of the table that stays, table order
};

// One compiler run of a stage.
enum StageId { kStagePreprocess = 0, kStageAssembly = 1, kStageReassemble = 2 };
constexpr int kStageCount = 3;
struct StageRecord {
  bool ran = false;                    // the stage started the compiler (or tried to)
  UString arguments;                   // its parameter text
  std::optional<uint32_t> exit_code;   // absent when the compiler could not be started
  double seconds = 0;                  // the compiler run and the passes after it
};

// A DLL copied beside the output, as the run log shows it.
struct CopiedDll { UString name; UString path; };

struct BuildRecord {
  std::array<StageRecord, kStageCount> stages;
  int running_stage = -1;           // the stage whose compiler run is under way
  std::vector<UString> macros;      // as "Macro Comments Removed" lists them
  std::vector<UString> procedures;  // as "Uncalled Procedures Removed" lists them
  PruningRecord pruning;
  std::vector<CopiedDll> dlls_copied;

  // Asked for by the measured comparison: the assembly as the line rules
  // left it, before pruning, exactly as it would have been written.
  bool keep_unpruned_assembly = false;
  std::optional<std::string> unpruned_assembly;
};

}  // namespace sparlin
