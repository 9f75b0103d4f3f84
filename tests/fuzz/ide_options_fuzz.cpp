// A source text's IDE options and the resource script made from them. The
// first line of the input is the output path known before the options are
// read; the rest is the source file.
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"
#include "source_stage/ide_options.h"
#include "source_stage/resource_script.h"
#include "text/paths.h"

using namespace sparlin;

SPARLIN_FUZZ_TARGET(ide_options) {
  auto [output_path, source] = fuzz::TakeLine(fuzz::AsBytes(data, size));
  IdeOptions options = ParseIdeOptions(DecodeWithBom(source), DecodeUtf8(output_path));
  std::optional<UString> version = VersionResourceText(options.working_text);
  UString includes = ResourceIncludeText(options.working_text, u"C:\\Projects\\Demo\\");
  ResourceScriptBytes(version, includes);
  return 0;
}
