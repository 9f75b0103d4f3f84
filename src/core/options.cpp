#include "core/options.h"

#include <vector>

#include "text/text_ops.h"

namespace sparlin {

const std::array<OptionInfo, kOptionCount>& AllOptions() {
  using K = OptionKind;
  static const std::array<OptionInfo, kOptionCount> kOptions = {{
      {Option::CreatePB, u"CreatePB", K::kCheckbox, 16, 1, 1},
      {Option::Suffix, u"Suffix", K::kText, 18, 0, 0},
      {Option::RemMacro, u"RemMacro", K::kCheckbox, 19, 1, 1},
      {Option::RemProcs, u"RemProcs", K::kCheckbox, 20, 1, 1},
      {Option::CreateASM, u"CreateASM", K::kCheckbox, 22, 1, 1},
      {Option::RemComments, u"RemComments", K::kCheckbox, 23, 1, 1},
      {Option::RemEmpty, u"RemEmpty", K::kCheckbox, 24, 1, 1},
      {Option::RemAbsolut, u"RemAbsolut", K::kCheckbox, 25, 1, 1},
      {Option::InsEmpty, u"InsEmpty", K::kCheckbox, 26, 0, 1},
      {Option::nEmpty, u"nEmpty", K::kNumber, 27, 1, 1},
      {Option::RemUncalled, u"RemUncalled", K::kCheckbox, 28, 1, 1},
      {Option::InsNOP, u"InsNOP", K::kCheckbox, 29, 0, 1},
      {Option::nNOP, u"nNOP", K::kNumber, 30, 1, 1},
      {Option::ImgPlugin, u"ImgPlugin", K::kCheckbox, 31, 1, 1},
      {Option::CreateOUT, u"CreateOUT", K::kCheckbox, 33, 1, 1},
      {Option::CopyDLL, u"CopyDLL", K::kCheckbox, 34, 1, 1},
      {Option::GenLic, u"GenLic", K::kCheckbox, 35, 1, 1},
      {Option::DelOnExit, u"DelOnExit", K::kCheckbox, 36, 0, 0},
  }};
  return kOptions;
}

const OptionInfo& InfoOf(Option option) { return AllOptions()[static_cast<int>(option)]; }

std::optional<Option> OptionFromKey(UStringView key) {
  UString wanted = ToLower(key);
  for (const auto& info : AllOptions()) {
    if (ToLower(info.key) == wanted) return info.option;
  }
  return std::nullopt;
}

OptionValues OptionValues::Created() {
  OptionValues v;
  for (const auto& info : AllOptions()) v.Set(info.option, info.created_value);
  return v;
}

OptionValues OptionValues::Initial() {
  OptionValues v;
  for (const auto& info : AllOptions()) v.Set(info.option, info.kind == OptionKind::kNumber ? 1 : 0);
  return v;
}

int ClampOptionValue(Option option, int64_t value) {
  switch (InfoOf(option).kind) {
    case OptionKind::kCheckbox: return value != 0 ? 1 : 0;
    case OptionKind::kNumber: return value < 1 ? 1 : value > 99 ? 99 : static_cast<int>(value);
    default: return 0;
  }
}

const std::vector<int>& GroupMembers(int group_control) {
  static const std::vector<int> kPb = {17, 18, 19, 20};
  static const std::vector<int> kAsm = {23, 24, 25, 26, 27, 28, 30, 29, 31};
  static const std::vector<int> kOut = {34};
  static const std::vector<int> kNone;
  switch (group_control) {
    case kGroupCreatePB: return kPb;
    case kGroupCreateASM: return kAsm;
    case kGroupCreateOUT: return kOut;
    default: return kNone;
  }
}

}  // namespace sparlin
