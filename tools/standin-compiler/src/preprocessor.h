// "/PREPROCESS": flattens a PureBasic program into one source text the way the
// real compiler's preprocessor does: include files are inlined (once-only for
// XIncludeFile), IncludePath changes where relative includes are looked up,
// macro uses are expanded while the Macro ... EndMacro definition blocks stay,
// comments and blank lines outside macro blocks disappear.
#pragma once

#include <filesystem>
#include <string>

namespace sparlin::standin {

struct PreprocessResult {
  bool ok = false;
  std::string text;   // UTF-8, LF line ends, no byte-order mark
  std::string error;  // compiler-style message when !ok
};

// `commented` adds each original line as a "; " comment before its code, as
// the real compiler's --commented flag does.
PreprocessResult PreprocessSource(const std::filesystem::path& main_file, bool commented);

}  // namespace sparlin::standin
