// The steps of one pruning run, written once over the pruning text: count
// every library symbol's references, report them, find the image plugins the
// program needs, comment out the symbols that are never called, and drop the
// libraries that nothing uses but their own start-up or clean-up code.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/build_record.h"
#include "pruning/image_plugins.h"
#include "pruning/library_table.h"
#include "pruning/pruning_text.h"
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
  // Filled with what the run removed and kept, for the build report.
  PruningRecord* record = nullptr;
};

// Finds the plugins the program needs in the text as it was given.
using PluginDetector = std::function<PluginGuard(const std::vector<UString>& libraries, std::string_view text,
                                                 bool remove_by_extension,
                                                 const std::function<void(const UString&)>& log)>;

// Runs every step from the count on, with `table` read from the library
// files; deletes the dropped libraries from `libraries`. The edited text is
// then taken from the returned text.
PruningText& RunRemovalRules(std::vector<UString>& libraries, LibraryTable table, PruningText& text,
                             const PluginDetector& detect_plugins, const PruningSettings& settings,
                             const PruningIo& io);

}  // namespace sparlin
