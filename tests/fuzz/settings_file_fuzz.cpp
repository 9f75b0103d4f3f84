// Settings file bytes: parsing, and rewriting the file with the values read
// from it, which must read back as the same values. The rewritten file is
// UTF-8, so a Suffix holding lone surrogates (from a damaged UTF-16 file)
// cannot come back unchanged and is left out of the comparison.
#include <algorithm>

#include "app/settings_file.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"

using namespace sparlin;

SPARLIN_FUZZ_TARGET(settings_file) {
  std::string_view bytes = fuzz::AsBytes(data, size);
  OptionValues values = ParseSettings(bytes);
  OptionValues reread = ParseSettings(UpdateSettings(bytes, values));
  SPARLIN_FUZZ_CHECK(reread.values == values.values);
  bool surrogates = std::any_of(values.suffix.begin(), values.suffix.end(),
                                [](char16_t unit) { return unit >= 0xD800 && unit < 0xE000; });
  if (!surrogates) SPARLIN_FUZZ_CHECK(reread.suffix == values.suffix);
  return 0;
}
