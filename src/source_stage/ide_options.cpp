#include "source_stage/ide_options.h"

#include "platform/platform.h"

namespace sparlin {

TextEncoding ReadIdeOptions(BuildContext& ctx) {
  GlobalValues& g = ctx.state.globals;
  std::string bytes;
  if (!platform::ReadWholeFile(g.SourcePath, bytes)) {
    ctx.host.ShowMessage(u"Error BOM", u"Reading " + g.SourcePath + u" was not successful...", MessageIcon::kError);
    return TextEncoding::kReadFailed;
  }
  SourceValues& s = ctx.state.source;
  s.SourceFormat = DetectBom(bytes).encoding;
  s.Switches.Exe = u" /EXE \"" + g.OutputPath + u"\"";
  ctx.host.SetProgress(8);
  return s.SourceFormat;
}

}  // namespace sparlin
