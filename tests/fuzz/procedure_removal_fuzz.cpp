// Deleting uncalled procedures from a preprocessed file: the pass on the
// file's bytes, and on the same bytes read as a UTF-16 file's text (lone
// surrogates and all), must give what the literal pass gives on the lines.
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"
#include "oracle/literal_source_passes.h"
#include "source_stage/procedure_removal.h"

using namespace sparlin;

SPARLIN_FUZZ_TARGET(procedure_removal) {
  std::string_view bytes = fuzz::AsBytes(data, size);
  ProcedureRemovalResult from_bytes = RemoveUncalledProcedureBlocks(bytes);
  oracle::LiteralPassResult literal = oracle::LiteralRemoveUncalledProcedureBlocks(fuzz::TextLines(bytes));
  SPARLIN_FUZZ_CHECK(from_bytes.ok && DecodeUtf8(from_bytes.text) == literal.text);
  SPARLIN_FUZZ_CHECK(ProcedureLogItem(from_bytes) == literal.log_item);

  const UString utf16 = DecodeText(bytes, TextEncoding::kUtf16LE);
  const std::string held = Utf16AsBytes(utf16);
  ProcedureRemovalResult from_utf16 = RemoveUncalledProcedureBlocks(SourceText(held, Utf8Form::kWithSurrogates));
  oracle::LiteralPassResult literal16 = oracle::LiteralRemoveUncalledProcedureBlocks(SplitLines(utf16));
  SPARLIN_FUZZ_CHECK(from_utf16.ok && DecodeUtf8As(from_utf16.text, Utf8Form::kWithSurrogates) == literal16.text);
  SPARLIN_FUZZ_CHECK(ProcedureLogItem(from_utf16) == literal16.log_item);
  return 0;
}
