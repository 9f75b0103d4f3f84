#include "app/startup.h"

#include "core/build_paths.h"
#include "core/options.h"
#include "text/paths.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

bool IsBlank(const UString& text) { return TrimBlanks(text).empty(); }

}  // namespace

UString EffectiveSuffix(const UString& suffix_text) {
  UString trimmed = TrimBlanks(suffix_text);
  // A suffix that could lead out of the source's folder, cut the name short
  // or add compiler switches is no suffix at all.
  if (HasCharacterNotAllowedInFileName(trimmed)) return kDefaultSuffix;
  return trimmed.empty() ? UString(kDefaultSuffix) : trimmed;
}

GlobalValues DeriveStartupValues(const UString& parameter1, const UString& parameter2,
                                 const UString& pb_tool_compiler, const UString& pb_tool_executable) {
  GlobalValues g;
  g.CompilersFolder = PathFolder(pb_tool_compiler);
  g.CompilerPath = CompilerPathOf(g.CompilersFolder);
  g.SourcePath = IsBlank(parameter1) ? parameter2 : parameter1;
  g.SecondParameter = parameter2;
  g.OutputPath = IsBlank(pb_tool_executable)
                     ? PathFolder(parameter2) + PathBaseName(parameter2) + u".exe"
                     : pb_tool_executable;
  g.CurrentSuffix = kDefaultSuffix;
  g.OptimizedSourcePath = DeriveOptimizedSourcePath(g.SourcePath, g.CurrentSuffix);
  g.AsmPath = PathFolder(g.OptimizedSourcePath) + u"PureBasic.asm";
  return g;
}

}  // namespace sparlin
