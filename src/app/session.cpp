#include "app/session.h"

#include "app/startup.h"
#include "core/build_paths.h"
#include "text/paths.h"
#include "platform/platform.h"

namespace sparlin {

LaunchParameters LaunchParameters::FromEnvironment(const UString& parameter1, const UString& parameter2) {
  return {parameter1, parameter2, platform::GetEnv(u"PB_TOOL_Compiler"), platform::GetEnv(u"PB_TOOL_Executable")};
}

Session::Session(const LaunchParameters& launch, BuildHost& host, platform::FileSystem& files,
                 platform::ProcessLauncher& processes)
    : log_(host), ctx_{state_, host, log_, files, processes} {
  state_.globals = DeriveStartupValues(launch.parameter1, launch.parameter2, launch.pb_tool_compiler,
                                       launch.pb_tool_executable);
}

void Session::WriteBanner() {
  const GlobalValues& g = state_.globals;
  log_.Append(BannerEntry(g.Title));
  log_.Append(CompilerPathEntry(g.CompilerPath));
  log_.Append(SourcePathEntry(g.SourcePath));
  log_.Append(OutputPathEntry(g.OutputPath));
}

void Session::ApplySuffix(const UString& suffix_text) {
  GlobalValues& g = state_.globals;
  g.CurrentSuffix = EffectiveSuffix(suffix_text);
  g.OptimizedSourcePath = DeriveOptimizedSourcePath(g.SourcePath, g.CurrentSuffix);
}

void Session::RunExitSteps(bool delete_created_files) {
  const GlobalValues& g = state_.globals;
  // While another Sparlin builds this source, its files are not ours to delete.
  const UString& source = state_.UserSourcePath.empty() ? g.SourcePath : state_.UserSourcePath;
  auto lock = ctx_.files.LockSourceForBuild(source);
  if (!lock) return;
  // A created file that would be the source itself is never deleted.
  auto remove = [&](const UString& path) {
    if (!path.empty() && !NamesSameFile(path, source, PathFolder(source))) ctx_.files.DeleteFile(path);
  };
  if (delete_created_files) {
    remove(g.OptimizedSourcePath);
    remove(g.AsmPath);
  }
  remove(g.ResourceScriptPath);
}

}  // namespace sparlin
