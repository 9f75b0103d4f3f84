// One launch of the tool: its global values, its one build, its log, and the
// steps at start-up and exit that both front ends share.
#pragma once

#include "app/settings_file.h"
#include "core/build_state.h"
#include "core/run_log.h"

namespace sparlin {

struct LaunchParameters {
  UString parameter1;
  UString parameter2;
  UString pb_tool_compiler;
  UString pb_tool_executable;

  // Reads PB_TOOL_Compiler and PB_TOOL_Executable from the environment.
  static LaunchParameters FromEnvironment(const UString& parameter1, const UString& parameter2);
};

class Session {
 public:
  // The build works on the operating system's files and processes unless
  // others are given (the tests' in-memory ones).
  Session(const LaunchParameters& launch, BuildHost& host,
          platform::FileSystem& files = platform::SystemFileSystem(),
          platform::ProcessLauncher& processes = platform::SystemProcessLauncher());

  BuildState& state() { return state_; }
  GlobalValues& globals() { return state_.globals; }
  RunLog& log() { return log_; }
  BuildContext& context() { return ctx_; }

  // The banner and the three path lines.
  void WriteBanner();
  // The Settings window closed: `CurrentSuffix` and `OptimizedSourcePath`
  // follow the Suffix text.
  void ApplySuffix(const UString& suffix_text);
  // Deletes the created source and assembly files when asked, and the
  // resource script always; nothing while a build of the source holds its
  // lock (another Sparlin's, or this launch's own still running).
  void RunExitSteps(bool delete_created_files);

 private:
  BuildState state_;
  RunLog log_;
  BuildContext ctx_;
};

}  // namespace sparlin
