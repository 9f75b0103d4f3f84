// Deleting Macro ... EndMacro blocks from a preprocessed file's lines. What
// the rules fix whatever the blocks look like: one definition per line whose
// trimmed head is "Macro ", named by the second blank-separated field of the
// text before "(", in file order; a file without one comes back as its
// trimmed lines; nothing is added. The same text as a UTF-16 file's must give
// the same result.
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"
#include "source_stage/macro_removal.h"
#include "source_stage/working_text.h"

using namespace sparlin;

namespace {

// The second field of `text` split at blanks; empty when there is none.
UString SecondField(UStringView text) {
  size_t first = text.find(u' ');
  if (first == UStringView::npos) return UString();
  size_t second = text.find(u' ', first + 1);
  return UString(text.substr(first + 1, second == UStringView::npos ? UStringView::npos : second - first - 1));
}

}  // namespace

SPARLIN_FUZZ_TARGET(macro_removal) {
  std::string_view bytes = fuzz::AsBytes(data, size);
  std::vector<UString> lines = fuzz::TextLines(bytes);
  MacroRemovalResult result = RemoveMacroBlocks(bytes);
  SPARLIN_FUZZ_CHECK(result.ok);

  std::vector<UString> names;
  UString working;
  for (const UString& line : lines) {
    UString trimmed = TrimBlanks(line);
    if (trimmed.compare(0, 6, u"Macro ") == 0) names.push_back(SecondField(trimmed.substr(0, trimmed.find(u'('))));
    working += trimmed + u"\r\n";
  }
  SPARLIN_FUZZ_CHECK(result.count == names.size());
  SPARLIN_FUZZ_CHECK(result.names == names);
  if (names.empty()) SPARLIN_FUZZ_CHECK(result.text == EncodeUtf8(working));
  SPARLIN_FUZZ_CHECK(result.text.size() <= EncodeUtf8(working).size());

  // The same text as a UTF-16 file's gives the same result.
  MacroRemovalResult from_utf16 =
      RemoveMacroBlocks(SourceText(Utf16AsBytes(DecodeUtf8(bytes)), Utf8Form::kWithSurrogates));
  SPARLIN_FUZZ_CHECK(DecodeUtf8As(from_utf16.text, Utf8Form::kWithSurrogates) == DecodeUtf8(result.text) &&
                     from_utf16.names == result.names);
  return 0;
}
