// The shapes of the lines of the compiler's commented assembly that the
// assembly stage and pruning rely on, and reading such a file into lines.
// Line tests are case-sensitive prefix tests on the line as given, in UTF-16
// or, for a file of ASCII characters, in bytes.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "text/text_ops.h"
#include "text/ustring.h"

namespace sparlin {

// The program's entry label: "PureBasicStart" (executables) or
// "_DLLEntryPoint" (DLLs).
bool IsEntryLabelLine(UStringView line);
bool IsEntryLabelLine(std::string_view line);
// "format MS COFF" / "format MS64 COFF": ends the header comments.
bool IsFormatLine(UStringView line);
bool IsFormatLine(std::string_view line);
bool IsFormatLine64Bit(UStringView line);
bool IsFormatLine64Bit(std::string_view line);
// "section '.data'": the end of the code section.
bool IsDataSectionLine(UStringView line);
bool IsDataSectionLine(std::string_view line);
bool IsCommentLine(UStringView line);
bool IsCommentLine(std::string_view line);

// The runtime library that a header comment names ("; Gadget"), or empty:
// its second word, unless that is the banner, copyright, a ":System"-style
// marker or an import library.
UString HeaderLibraryName(UStringView line);

// "extrn " lines declare external symbols.
bool IsExternLine(UStringView line);
bool IsExternLine(std::string_view line);
// The declared name without decoration: leading "_" and any "@" argument size.
UString ExternalFunctionName(UStringView line);


// Follows one section of the file while its lines are read in order: it is
// entered at the first line that begins with `start` and left at the first
// line after that which begins with `end`.
class SectionTracker {
 public:
  SectionTracker(UStringView start, UStringView end) : start_(start), end_(end) {}
  // Takes the next line; true while it lies inside the section.
  bool Inside(UStringView line);
  bool Inside(std::string_view line);

 private:
  template <typename Char>
  bool Next(std::basic_string_view<Char> line);
  enum class State { kNotYet, kInside, kPassed };
  UStringView start_, end_;
  State state_ = State::kNotYet;
};

// The bytes of one section of a compiler file's bytes, as SectionTracker
// finds it in its lines trimmed of blanks: from the start of the first line
// that begins with `start` to the start of the first later line that begins
// with `end` (or to the end of the file). nullopt when no line begins with
// `start`. Lets a step that needs one section read only that part.
std::optional<std::string_view> SectionBytes(std::string_view bytes, std::string_view start, std::string_view end);

// The static strings: "_SYS_StaticStringStart" to "_SYS_StaticStringEnd".
SectionTracker StaticStringSection();
// The header's import section.
SectionTracker ImportSection();

// The text of a file the compiler wrote (the assembly, the export
// definitions): UTF-8, a byte-order mark skipped.
UString DecodeCompilerFileText(std::string_view bytes);
// Every byte is ASCII: each byte is then one UTF-16 code unit.
bool IsAsciiText(std::string_view bytes);

}  // namespace sparlin
