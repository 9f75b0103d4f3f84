#include "app/startup.h"

#include "app/options.h"
#include "text/paths.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

bool IsBlank(const UString& text) { return TrimBlanks(text).empty(); }

}  // namespace

UString DeriveOptimizedSourcePath(const UString& source_path, const UString& suffix) {
  return PathFolder(source_path) + PathBaseName(source_path) + suffix + u"." + PathExtension(source_path);
}

UString EffectiveSuffix(const UString& suffix_text) {
  UString trimmed = TrimBlanks(suffix_text);
  return trimmed.empty() ? UString(kDefaultSuffix) : trimmed;
}

GlobalValues DeriveStartupValues(const UString& parameter1, const UString& parameter2,
                                 const UString& pb_tool_compiler, const UString& pb_tool_executable) {
  GlobalValues g;
  g.CompilersFolder = PathFolder(pb_tool_compiler);
  // The installation folder is the compilers folder less "Compilers\".
  int64_t keep = static_cast<int64_t>(g.CompilersFolder.size()) - 10;
  g.CompilerPath = (keep > 0 ? g.CompilersFolder.substr(0, keep) : UString()) + u"Compilers\\pbcompiler.exe";
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
