// The line-by-line rewrite of "PureBasic.asm": drops comment and empty lines,
// removes the source folder from paths and static strings, inserts empty or
// NOP lines into the code section, and collects the runtime library names of
// the header and the external functions that the program declares.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/build_host.h"
#include "core/build_state.h"
#include "text/text_builder.h"
#include "text/ustring.h"

namespace sparlin {

struct AsmPassOptions {
  bool remove_empty = false;           // RemEmpty
  bool remove_comments = false;        // RemComments
  bool remove_absolute_paths = false;  // RemAbsolut
  bool remove_uncalled = false;        // RemUncalled: collect library names
  int empty_lines = 0;                 // nEmpty when InsEmpty is on, else 0
  int nop_lines = 0;                   // nNOP when InsNOP is on, else 0
};

// The options as the Settings window's controls hold them right now; a count
// field is read only when its checkbox is on.
AsmPassOptions ReadAsmPassOptions(BuildHost& host);

struct AsmPassCounts {
  int64_t empty_lines_removed = 0;
  int64_t comments_removed = 0;
  int64_t paths_removed = 0;
  UString called_functions;  // "\t\t" + name + "\r\n" per declaration
  int64_t called_function_count = 0;
  bool failed = false;  // the output no longer fit in memory; text is incomplete
};

struct AsmBytesPassResult : AsmPassCounts {
  std::string text;  // every kept line followed by "\r\n" and its inserted lines, UTF-8
};

// Room the text of a pass on bytes keeps behind its end, so that pruning can
// comment out lines, and the stage end the file, where the text stands.
size_t PrunableTextCapacity(size_t size);

// Rewrites the file's UTF-8 bytes (line breaks included) line by line as they
// stand; the limits count the UTF-16 code units of the text. `source_folder`
// is the folder part of the source path. Updates `assembly`: EntryLabelSeen,
// Is64Bit, and (only with remove_uncalled) appends the header's library names
// to ImportedLibraries, unsorted.
AsmBytesPassResult RewriteAssemblyBytes(std::string_view utf8_text, const AsmPassOptions& options,
                                       UStringView source_folder, AsmValues& assembly,
                                       const TextBuilderLimits& limits = {});

// The three summary items of the pass, as appended to the run log.
UString AsmCountsSummary(const AsmPassCounts& result);
UString CalledFunctionsSummary(const AsmPassCounts& result);
UString ImportedLibrariesSummary(const std::vector<UString>& libraries);

// Ascending by UTF-16 code units, case-sensitive, stable.
void SortLibraryNames(std::vector<UString>& libraries);

}  // namespace sparlin
