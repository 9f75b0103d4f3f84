#include "core/options.h"

#include <map>
#include <vector>

#include "text/text_ops.h"

namespace sparlin {

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
  // The options of each group in table order; the Suffix field's label goes
  // with the Create .pb group.
  static const auto kGroups = [] {
    std::map<int, std::vector<int>> groups{{kGroupCreatePB, {kControlSuffixLabel}}};
    for (const OptionInfo& info : kOptionTable) {
      if (info.group != 0) groups[info.group].push_back(info.control);
    }
    return groups;
  }();
  static const std::vector<int> kNone;
  auto found = kGroups.find(group_control);
  return found == kGroups.end() ? kNone : found->second;
}

}  // namespace sparlin
