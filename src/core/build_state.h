// The values one launch shares between start-up and the stages of its one
// build, and the context every stage operation receives.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/build_host.h"
#include "core/build_record.h"
#include "core/options.h"
#include "core/run_log.h"
#include "core/version.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "text/text_builder.h"
#include "text/ustring.h"

namespace sparlin {


// Paths derived at start-up (Windows paths).
struct GlobalValues {
  UString Title = u"Sparlin v" + UString(kVersionU) + u" beta";
  UString CompilersFolder;
  UString CompilerPath;
  UString SourcePath;
  UString SecondParameter;
  UString OutputPath;
  UString CurrentSuffix = kDefaultSuffix;
  UString OptimizedSourcePath;
  UString AsmPath;
  UString ResourceScriptPath;
};

// The eight switch strings; each is empty or begins with a blank.
struct CompilerSwitches {
  UString Exe, Xp, Privilege, Icon, DpiAware, LineNumbering, Thread, Resource;
  // All eight in command-line order.
  UString Joined() const { return Exe + Xp + Privilege + Icon + DpiAware + LineNumbering + Thread + Resource; }
};

// Values taken from the source's IDE options.
struct SourceValues {
  TextEncoding SourceFormat = TextEncoding::kReadFailed;
  CompilerSwitches Switches;
  UString Format;  // " /DLL", " /CONSOLE" or empty
  UString OptionsFooter;
  int64_t CompileCount = 0;
  int64_t BuildCount = 0;
  int64_t ExeConstant = 0;
};

// Values of the assembly passes, read by library pruning and the DLL step.
struct AsmValues {
  bool EntryLabelSeen = false;
  int Is64Bit = 0;
  std::vector<UString> ImportedLibraries;
};

struct BuildState {
  GlobalValues globals;
  SourceValues source;
  AsmValues assembly;
  // Set when the preprocess stage compiled the "const_" copy instead of the
  // user's source; the build deletes that copy when it ends.
  UString ConstCopyInUse;
  // The user's own source, kept when `SourcePath` switches to that copy.
  UString UserSourcePath;
};

// What a stage operation works with: the build's values, the user
// interface, the log, and the files and processes it may touch.
struct BuildContext {
  BuildState& state;
  BuildHost& host;
  RunLog& log;
  platform::FileSystem& files;
  platform::ProcessLauncher& processes;
  // How far the passes' working texts may grow.
  TextBuilderLimits text_limits{};
  // What the build did, for the build report.
  BuildRecord record{};
  // Called once the output program is made, while the build's companion
  // files are still there (sparlin-cli's measured comparison); its time is
  // not counted as the build's.
  std::function<void(BuildContext&)> after_output{};

  bool OptionOn(Option option) const { return host.OptionValue(option) != 0; }
};

}  // namespace sparlin
