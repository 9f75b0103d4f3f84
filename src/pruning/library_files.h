// Reading the runtime library files of the compiler installation: the
// function names stand as lines between the first and the second line holding
// "ERUP", among binary noise that the cleaning rules throw away.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "pruning/library_table.h"
#include "text/ustring.h"

namespace sparlin {

// Lines end at "\n", "\r" (with a following "\n"), a zero byte or the end.
std::vector<std::string_view> SplitLibraryLines(std::string_view bytes);

// The runtime function names (without "PB_") that the assembly declares in a
// declaration form of the counting table: "extrn PB_F" (64-bit), "extrn _PB_F@",
// "extrn _PB_F" or "extrn PB_F" (32-bit), each also with "_THREAD" or "_DOUBLE".
// Read in one pass over the "extrn " occurrences of the text, when a name is
// first asked for: most library files never ask. The text must outlive this.
class DeclaredRuntimeNames {
 public:
  DeclaredRuntimeNames() = default;
  DeclaredRuntimeNames(std::string_view utf8_text, bool is_64_bit) : text_(utf8_text), is_64_bit_(is_64_bit) {}
  bool Contains(UStringView name) const;

 private:
  void Read() const;
  void Add(std::string_view symbol) const;
  // Looked up by views, without a string made for each look-up.
  struct Hash {
    using is_transparent = void;
    size_t operator()(UStringView name) const noexcept { return std::hash<UStringView>()(name); }
  };
  std::string_view text_;
  bool is_64_bit_ = false;
  mutable bool read_ = false;
  mutable std::unordered_set<UString, Hash, std::equal_to<>> names_;
};

// One candidate line (trimmed of blanks) after the cleaning rules; empty when
// the line is not a function name. A candidate that the assembly declares is
// a real name, never capital-letter noise ("NaN").
UString CleanLibraryCandidate(UString candidate, const DeclaredRuntimeNames& declared = {});

// The cleaned, non-empty names between the first two "ERUP" lines, in file
// order (repeats included).
std::vector<UString> LibraryFunctionNames(std::string_view bytes, const DeclaredRuntimeNames& declared = {});

// A library name from the assembly header is a bare file name: one with a
// folder, a drive or ".." in it is never opened.
bool IsBareLibraryName(UStringView name);

// The largest library file that is read; a larger one counts as one that
// cannot be opened.
constexpr int64_t kMaxLibraryFileBytes = int64_t{64} << 20;

// Reads the library files of `libraries` (in list order) into a table of
// symbols with CallCount 0. Files that `read_file` cannot give and names that
// are not bare file names are skipped.
using LibraryFileReader = std::function<bool(const UString& path, std::string& bytes)>;
LibraryTable ParseLibraryFiles(const std::vector<UString>& libraries, UStringView library_folder,
                               const LibraryFileReader& read_file, const DeclaredRuntimeNames& declared);

}  // namespace sparlin
