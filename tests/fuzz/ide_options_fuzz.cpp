// A source text's IDE options and the resource script made from them. The
// first line of the input is the output path known before the options are
// read; the rest is the source file. What the rules fix for any source: a
// given output path stays; the options footer is the end of the text from
// "; IDE Options ="; a text with no editor constant filled in is the
// source's; one include line per "; AddResource".
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"
#include "source_stage/ide_options.h"
#include "source_stage/resource_script.h"
#include "text/paths.h"

using namespace sparlin;

SPARLIN_FUZZ_TARGET(ide_options) {
  auto [output_path, source] = fuzz::TakeLine(fuzz::AsBytes(data, size));
  UString text = DecodeWithBom(source);
  UString given = DecodeUtf8(output_path);
  IdeOptions options = ParseIdeOptions(text, given);
  if (!given.empty()) SPARLIN_FUZZ_CHECK(options.output_path == given);
  if (!options.options_footer.empty()) {
    SPARLIN_FUZZ_CHECK(StartsWith(options.options_footer, u"; IDE Options ="));
    SPARLIN_FUZZ_CHECK(EndsWith(text, options.options_footer));
  }
  if (!options.constants_filled) SPARLIN_FUZZ_CHECK(options.working_text == text);

  std::optional<UString> version = VersionResourceText(options.working_text);
  UString includes = ResourceIncludeText(options.working_text, u"C:\\Projects\\Demo\\");
  SPARLIN_FUZZ_CHECK(CountOccurrences(includes, u"\r\n#include \"") ==
                     CountOccurrences(options.working_text, u"; AddResource"));
  ResourceScriptBytes(version, includes);
  return 0;
}
