#include "pipeline/build.h"

#include "core/messages.h"
#include "pipeline/stages.h"
#include "platform/platform.h"
#include "text/paths.h"

namespace sparlin {
namespace {

// The compiler's companion files and the constants copy go at the end of a
// build that reached the assembly stage.
void DeleteIntermediateFiles(BuildContext& ctx) {
  BuildState& s = ctx.state;
  const UString& asm_path = s.globals.AsmPath;
  ctx.files.DeleteFile(PathFolder(asm_path) + PathBaseName(asm_path) + u".def");
  // Only the copy this build made; never the user's own source.
  if (!s.ConstCopyInUse.empty() && s.ConstCopyInUse != s.UserSourcePath) ctx.files.DeleteFile(s.ConstCopyInUse);
}

}  // namespace

bool RunBuild(BuildContext& ctx) {
  // One build per folder at a time: a second Sparlin building there would
  // write the same files while the first still works on them.
  const UString& source = ctx.state.globals.SourcePath;
  auto lock = ctx.files.LockSourceForBuild(source);
  if (!lock) {
    ctx.host.ShowMessage(kBusyTitle, BusyText(PathFolder(source)), MessageIcon::kError);
    return false;
  }
  uint64_t start = platform::MonotonicMillis();
  bool finished = false;
  if (PreprocessStage(ctx)) {
    if (AssemblyStage(ctx)) {
      if (ReassembleStage(ctx)) {
        finished = true;
        if (ctx.after_output) {
          uint64_t hook_start = platform::MonotonicMillis();
          ctx.after_output(ctx);
          start += platform::MonotonicMillis() - hook_start;
        }
        ctx.log.Append(u"\tAll Finished!\r\n\r\n");
        if (!ctx.state.globals.ResourceScriptPath.empty()) ctx.files.DeleteFile(ctx.state.globals.ResourceScriptPath);
        ctx.host.PlaySound(Sound::kInformation);
        ctx.host.EnableButton(kControlRunOutput);
      }
      DeleteIntermediateFiles(ctx);
      ctx.host.EnableButton(kControlOpenAsm);
    }
    ctx.host.EnableButton(kControlOpenFolder);
    ctx.host.EnableButton(kControlOpenPb);
    ctx.host.EnableButton(kControlSaveLog);
  }
  ctx.log.Append(TimeEntry(platform::MonotonicMillis() - start));
  return finished;
}

bool StartBuildThread(BuildContext& ctx, const platform::ThreadStarter& start) {
  if (start([&ctx] { RunBuild(ctx); })) return true;
  // Compile disabled these two; without them the user could not try again.
  ctx.host.PlaySound(Sound::kError);
  ctx.host.EnableButton(kControlCompile);
  ctx.host.EnableButton(kControlSettings);
  return false;
}

}  // namespace sparlin
