// Removal of uncalled runtime functions and libraries from the assembly text:
// learns from the installation's library files which symbols belong to which
// library, counts the assembly's references to each, comments out the
// declarations of symbols that are never called, and drops a library from the
// header when nothing of it is used but its own start-up or clean-up code.
//
// The text is scanned once into an index of reference forms; the removal
// steps record their edits against it and the new text is made once
// (pruned_text.h). The assembly stage hands over a file of ASCII characters
// as its bytes, which are then edited in place; other text goes as UTF-16.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/build_state.h"
#include "pruning/image_plugins.h"
#include "pruning/library_table.h"
#include "text/ustring.h"

namespace sparlin {

struct PruningSettings {
  bool is_64_bit = false;
  UString dpi_aware_switch;                  // the DpiAware compiler switch
  bool remove_plugins_by_extension = false;  // ImgPlugin
};

// The effects of a pruning run, so that the run itself stays testable.
struct PruningIo {
  std::function<bool(const UString& path, std::string& bytes)> read_file;  // false: cannot open
  std::function<void(const UString&)> log;                                 // one run-log item
  std::function<void(int)> progress;
  std::function<void()> beep;
};

// Returns the pruned text; deletes the dropped libraries from `libraries`.
UString RemoveUncalledLibraries(std::vector<UString>& libraries, UString text, UStringView library_folder,
                                const PruningSettings& settings, const PruningIo& io);

// The same, with the pruned text given UTF-8 encoded as the assembly file is
// written (the UTF-16 text is never built).
std::string RemoveUncalledLibrariesAsUtf8(std::vector<UString>& libraries, UString text, UStringView library_folder,
                                          const PruningSettings& settings, const PruningIo& io);

// The same on a text of ASCII characters, held as bytes and edited where it
// stands.
std::string RemoveUncalledLibrariesFromAscii(std::vector<UString>& libraries, std::string ascii_text,
                                             UStringView library_folder, const PruningSettings& settings,
                                             const PruningIo& io);

// Those with the build's settings, run log, progress bar and tone.
std::string RemoveUncalledLibrariesAsUtf8(BuildContext& ctx, std::vector<UString>& libraries, UString text,
                                          UStringView library_folder);
std::string RemoveUncalledLibrariesFromAscii(BuildContext& ctx, std::vector<UString>& libraries,
                                             std::string ascii_text, UStringView library_folder);

// Removes the first header line "; " + library + "\r\n" from `text`, lists the
// library in `removed_libraries_text` and deletes it from `libraries`.
void DropLibrary(UStringView library, UString& text, UString& removed_libraries_text,
                 std::vector<UString>& libraries);

}  // namespace sparlin
