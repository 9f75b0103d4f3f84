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

  // Shapes where the pruning rules turn; all off keeps the plain shape, byte
  // for byte. Each is met in some seeds or some places, not everywhere.
  bool allocate_array_sometimes_undeclared = false;  // "SYS_AllocateArray" left out in some seeds
  bool clean_up_before_label = false;   // some clean-up calls before "PB_EndFunctions:"
  bool noisy_library_files = false;     // control characters, blanks, capital-letter noise, mixed line ends
  bool plugin_probe_at_end = false;     // a plugin probe ends the text (no line break after it)
  bool odd_names = false;   // names with blanks, "@", "!", "?", other letters, the text of a form inside;
                            // names that are prefixes, suffixes and substrings of each other; libraries
                            // named like symbols; overlapping occurrences. Some library names hold
                            // blanks: whole in `libraries`, while the assembly stage's header reading
                            // would take their first word only.
  bool forms_in_comments_and_strings = false;
  bool non_ascii = false;   // other letters in comments, strings and names

  // Every shape above switched on.
  static AssemblyShape Turning(uint64_t seed, bool is_64_bit, size_t bytes = 16 * 1024);
};

struct GeneratedAssembly {
  UString text;
  std::vector<UString> libraries;                // the header's list, in its order
  std::map<UString, std::string> library_files;  // library name -> file bytes
};

GeneratedAssembly GenerateAssembly(const AssemblyShape& shape);

// A library file holding `names` between its two "ERUP" lines.
std::string LibraryFileBytes(const std::vector<std::string>& names);

// Fixed inputs: names that are not identifiers, where two names share their
// leading part and a form's text stands inside a name. The library named
// first is the one the case is about; "Other" lists "Zed", which the program
// calls.
struct FixedPruningCase {
  const char* what;
  bool is_64_bit;
  GeneratedAssembly input;
};
std::vector<FixedPruningCase> SharedLeadingPartCases();

}  // namespace sparlin::testing
