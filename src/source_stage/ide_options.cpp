#include "source_stage/ide_options.h"

#include "core/build_paths.h"
#include "core/messages.h"
#include "platform/command_line.h"
#include "source_stage/option_lines.h"
#include "source_stage/resource_script.h"
#include "text/paths.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

constexpr UStringView kCompileCountConstant = u"#PB_Editor_CompileCount";
constexpr UStringView kBuildCountConstant = u"#PB_Editor_BuildCount";
constexpr UStringView kExeConstant = u"#PB_Editor_CreateExecutable";

void ReadSwitchLines(UStringView text, IdeOptions& options) {
  CompilerSwitches& s = options.switches;
  if (Contains(text, u"; EnableXP")) s.Xp = u" /XP";
  if (Contains(text, u"; DPIAware")) s.DpiAware = u" /DPIAWARE";
  if (Contains(text, u"; EnableOnError")) s.LineNumbering = u" /LINENUMBERING";
  if (Contains(text, u"; EnableThread")) s.Thread = u" /THREAD";
  if (Contains(text, u"; EnableUser")) {
    s.Privilege = u" /USER";
  } else if (Contains(text, u"; EnableAdmin")) {
    s.Privilege = u" /ADMINISTRATOR";
  }
  if (Contains(text, u"; ExecutableFormat = Shared dll")) {
    options.format = u" /DLL";
  } else if (Contains(text, u"; ExecutableFormat = Console")) {
    options.format = u" /CONSOLE";
  }
}

// A counter constant: "; Enable..." gives the stored value (taken as the IDE
// stored it, not incremented), "; Disable..." gives 1 and fills in 0.
void FillCounterConstant(IdeOptions& options, UStringView enable_line, size_t value_offset, UStringView disable_line,
                         UStringView constant, int64_t& counter) {
  UString& text = options.working_text;
  size_t at = text.find(enable_line);
  if (at != UString::npos) {
    counter = LeadingInteger(ValueAfter(text, at, value_offset));
    ReplaceAllNoCaseInPlace(text, constant, ToDecimal(counter));
    options.constants_filled = true;
  }
  if (Contains(text, disable_line)) {
    counter = 1;
    ReplaceAllNoCaseInPlace(text, constant, u"0");
    options.constants_filled = true;
  }
}

void FillEditorConstants(IdeOptions& options) {
  UString& text = options.working_text;
  FillCounterConstant(options, u"; EnableCompileCount", 23, u"; DisableCompileCount", kCompileCountConstant,
                      options.compile_count);
  FillCounterConstant(options, u"; EnableBuildCount", 21, u"; DisableBuildCount", kBuildCountConstant,
                      options.build_count);
  if (Contains(text, u"; EnableExeConstant")) {
    options.exe_constant = 1;
    ReplaceAllNoCaseInPlace(text, kExeConstant, u"1");
    options.constants_filled = true;
  } else if (Contains(text, kExeConstant)) {
    options.exe_constant = 1;
    ReplaceAllNoCaseInPlace(text, kExeConstant, u"0");
    options.constants_filled = true;
  }
}

// The option whose value cannot reach the compiler or the resource script as
// one value: a quote, which no Windows file name holds, would end the value.
UString UnpassableOption(const IdeOptions& options, UStringView source_folder) {
  if (options.output_path.find(u'"') != UString::npos) return u"Executable";
  if (options.icon_path.find(u'"') != UString::npos) return u"UseIcon";
  return UnpassableResourceOption(options.working_text, source_folder);
}

}  // namespace

IdeOptions ParseIdeOptions(UString source_text, UStringView output_path) {
  IdeOptions options;
  options.working_text = std::move(source_text);
  options.output_path = UString(output_path);
  ReadSwitchLines(options.working_text, options);
  FillEditorConstants(options);

  const UString& text = options.working_text;
  size_t at = text.find(u"; Executable ");
  if (at != UString::npos) {
    if (options.output_path.empty()) options.output_path = ValueAfter(text, at, 15);
    options.switches.Exe = options.format + u" /EXE " + QuotedPath(options.output_path);
  } else {
    options.switches.Exe = u" /EXE " + QuotedPath(options.output_path);
  }
  at = text.find(u"; UseIcon ");
  if (at != UString::npos) {
    options.icon_path = ValueAfter(text, at, 12);
    options.switches.Icon = u" /ICON " + QuotedPath(options.icon_path);
  }
  at = text.find(u"; IDE Options =");
  if (at != UString::npos) options.options_footer = text.substr(at);
  return options;
}

TextEncoding ReadIdeOptions(BuildContext& ctx) {
  GlobalValues& g = ctx.state.globals;
  std::string bytes;
  if (!ctx.files.ReadWholeFile(g.SourcePath, bytes)) {
    ctx.host.ShowMessage(u"Error BOM", ReadingFailedText(g.SourcePath), MessageIcon::kError);
    return TextEncoding::kReadFailed;
  }
  DetectedBom bom = DetectBom(bytes);
  UString source_text = DecodeText(std::string_view(bytes).substr(bom.length), bom.encoding);
  std::string().swap(bytes);  // frees the bytes (assigning an empty string would keep them)
  IdeOptions options = ParseIdeOptions(std::move(source_text), g.OutputPath);

  SourceValues& s = ctx.state.source;
  s.SourceFormat = bom.encoding;
  s.Switches = options.switches;
  s.Format = options.format;
  s.CompileCount = options.compile_count;
  s.BuildCount = options.build_count;
  s.ExeConstant = options.exe_constant;

  // Nothing is written before every value is known to reach the compiler as
  // one value and every path the build derives is known not to name the
  // source itself, by its text or as the same file under another name.
  UString refused = UnpassableOption(options, PathFolder(g.SourcePath));
  if (!refused.empty()) {
    ctx.host.ShowMessage(kUnpassableOptionTitle, UnpassableOptionText(refused), MessageIcon::kError);
    return TextEncoding::kReadFailed;
  }
  const UString copy_path = ConstantsCopyPathOf(g.SourcePath);
  const UString script_path = PathFolder(g.SourcePath) + u"Sparlin.rc";
  for (const UString& derived : {g.OptimizedSourcePath, g.AsmPath, script_path, copy_path, options.output_path}) {
    if (NamesSameFile(derived, g.SourcePath, PathFolder(g.SourcePath)) || ctx.files.SameFile(derived, g.SourcePath)) {
      ctx.host.ShowMessage(u"Error Paths", SourceWouldBeOverwrittenText(g.SourcePath, derived), MessageIcon::kError);
      return TextEncoding::kReadFailed;
    }
  }

  // The copy is UTF-8 without a mark; undecodable bytes of an ANSI source go
  // back out as the same bytes. A copy that cannot be written stops the
  // build: an older copy would be compiled in its place.
  if (options.constants_filled && !ctx.files.SafeReplaceFile(copy_path, EncodeUtf8(options.working_text))) {
    ctx.host.ShowMessage(u"Error BOM", WritingFailedText(copy_path), MessageIcon::kError);
    return TextEncoding::kReadFailed;
  }
  g.OutputPath = options.output_path;

  g.ResourceScriptPath = script_path;
  ctx.files.DeleteFile(g.ResourceScriptPath);
  // Without its script the program would be built without its resources.
  if (!WriteResourceScript(ctx, options.working_text)) {
    ctx.host.ShowMessage(u"Error BOM", WritingFailedText(script_path), MessageIcon::kError);
    return TextEncoding::kReadFailed;
  }

  s.OptionsFooter = options.options_footer;
  ctx.host.SetProgress(8);
  return s.SourceFormat;
}

}  // namespace sparlin
