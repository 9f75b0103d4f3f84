// Seeded generator of compiler assembly and the library files that go with
// it, shaped like the real output: header lines naming the libraries, extrn
// declarations, start-up calls, a body of commented source lines and calls,
// the clean-up block behind "PB_EndFunctions:", procedures and data lines.
// The same shape and seed always give the same bytes.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "text/ustring.h"

namespace sparlin::testing {

struct AssemblyShape {
  uint64_t seed = 1;
  bool is_64_bit = true;
  size_t bytes = 64 * 1024;  // about, of the UTF-8 text
  int symbols = 300;         // about, over all library files
  int libraries = 20;
  bool end_functions_label = true;
  bool image_plugins = true;
};

struct GeneratedAssembly {
  UString text;
  std::vector<UString> libraries;                // the header's list, in its order
  std::map<UString, std::string> library_files;  // library name -> file bytes
};

GeneratedAssembly GenerateAssembly(const AssemblyShape& shape);

// A library file holding `names` between its two "ERUP" lines.
std::string LibraryFileBytes(const std::vector<std::string>& names);

}  // namespace sparlin::testing
