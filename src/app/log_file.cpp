#include "app/log_file.h"

#include <vector>

#include "core/build_paths.h"
#include "core/messages.h"
#include "text/paths.h"

namespace sparlin {
namespace {

// The source and every file that a build of it writes or reads back.
std::vector<UString> BuildFiles(const BuildState& s) {
  const GlobalValues& g = s.globals;
  const UString& source = s.UserSourcePath.empty() ? g.SourcePath : s.UserSourcePath;
  return {source,
          g.SourcePath,
          ConstantsCopyPathOf(source),
          g.OptimizedSourcePath,
          g.AsmPath,
          PathFolder(g.AsmPath) + u"PureBasic.def",
          PathFolder(source) + u"Sparlin.rc",
          g.ResourceScriptPath,
          g.OutputPath};
}

}  // namespace

bool SaveLogFile(BuildContext& ctx, const UString& path) {
  for (const UString& file : BuildFiles(ctx.state)) {
    if (NamesSameFile(path, file) || ctx.files.SameFile(path, file)) {
      ctx.host.ShowMessage(kLogFileTitle, LogFileRefusedText(path), MessageIcon::kError);
      return false;
    }
  }
  bool written = ctx.log.WriteFileBytes([&](std::string_view bytes) { return ctx.files.SafeReplaceFile(path, bytes); });
  if (!written) ctx.host.ShowMessage(kLogFileTitle, WritingFailedText(path), MessageIcon::kError);
  return written;
}

}  // namespace sparlin
