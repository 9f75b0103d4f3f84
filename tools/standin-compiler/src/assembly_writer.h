// "/COMMENTED": writes the program as the real compiler's commented assembly
// ("PureBasic.asm") for x64 or x86: header with the runtime library names,
// system and import libraries, extrn declarations, start-up code calling the
// libraries' init functions, the program's lines as "; " comments before
// their code, PB_EndFunctions with the clean-up functions, procedures, the
// static strings as data-word lines and the variables.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "program_model.h"

namespace sparlin::standin {

struct TargetOptions {
  bool x64 = true;
  bool dll = false;
  bool console = false;
  bool thread = false;
  bool dpi_aware = false;
};

struct AssemblyOutput {
  std::string assembly;      // LF line ends, UTF-8
  std::string definitions;   // "PureBasic.def" text for a DLL, else empty
  std::vector<std::string> libraries;  // as named in the header
  std::vector<std::string> unresolved_imports;  // import libraries not found
};

// `folder` is the working folder, against which import library paths resolve.
AssemblyOutput WriteAssembly(const ProgramModel& program, const TargetOptions& target,
                             const std::filesystem::path& folder);

}  // namespace sparlin::standin
