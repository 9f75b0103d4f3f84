// Settings file bytes: whatever the file holds, writing new values into it
// must read back as exactly those values, and every line outside the keys of
// the Settings group (comments, other groups, unknown keys) must stay. The
// first byte chooses the new values; the rest is the file.
#include <algorithm>

#include "app/settings_file.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"

using namespace sparlin;

namespace {

// Lines that can be neither a key line nor a group line keep their place.
bool IsPlainLine(UStringView line) {
  UString trimmed = TrimBlanks(line);
  return !trimmed.empty() && trimmed.find(u'=') == UString::npos && trimmed.front() != u'[';
}

}  // namespace

SPARLIN_FUZZ_TARGET(settings_file) {
  auto [choice, bytes] = fuzz::TakeByte(fuzz::AsBytes(data, size));
  OptionValues wanted = ParseSettings(bytes);
  int i = choice;
  for (const auto& info : AllOptions()) {
    if (info.kind == OptionKind::kCheckbox) wanted.Set(info.option, (i++ >> 1) & 1);
    if (info.kind == OptionKind::kNumber) wanted.Set(info.option, 1 + (i++ * 37) % 99);
  }
  const char16_t* const suffixes[] = {u"_Sparl", u"", u"_x y", u"_\u00FC"};
  wanted.suffix = suffixes[choice % 4];

  std::string written = UpdateSettings(bytes, wanted);
  OptionValues reread = ParseSettings(written);
  SPARLIN_FUZZ_CHECK(reread.values == wanted.values);
  SPARLIN_FUZZ_CHECK(reread.suffix == wanted.suffix);

  std::vector<UString> before = SplitLines(DecodeWithBom(bytes));
  std::vector<UString> after = SplitLines(DecodeWithBom(written));
  for (const UString& line : before) {
    if (IsPlainLine(line)) SPARLIN_FUZZ_CHECK(std::find(after.begin(), after.end(), line) != after.end());
  }
  return 0;
}
