// The options of a build: one entry per settings key, with the control of the
// Settings window that holds it and the values of the settings file.
#pragma once

#include <array>
#include <iterator>
#include <cstdint>
#include <optional>
#include <vector>

#include "text/ustring.h"

namespace sparlin {

enum class Option : int {
  CreatePB,
  Suffix,
  RemMacro,
  RemProcs,
  CreateASM,
  RemComments,
  RemEmpty,
  RemAbsolut,
  InsEmpty,
  nEmpty,
  RemUncalled,
  InsNOP,
  nNOP,
  ImgPlugin,
  CreateOUT,
  CopyDLL,
  GenLic,
  DelOnExit,
};
// One past the last option: the number of options.
constexpr int kOptionCount = static_cast<int>(Option::DelOnExit) + 1;

enum class OptionKind { kCheckbox, kNumber, kText };

// The Settings window's group checkboxes and the dependent control that is
// no option (the Suffix field's label).
constexpr int kGroupCreatePB = 16;
constexpr int kGroupCreateASM = 22;
constexpr int kGroupCreateOUT = 33;
constexpr int kControlSuffixLabel = 17;
constexpr int kControlGenLic = 35;

struct OptionInfo {
  Option option;
  const char16_t* key;  // as written in the settings file
  OptionKind kind;
  int control;          // control number in the Settings window
  int group;            // the group checkbox it depends on; 0 for none
  int created_value;    // value written when the settings file is created
  int missing_value;    // value used when the key is missing from the file
};

// Everything about each option, in settings-file order (the order of Option).
inline constexpr OptionInfo kOptionTable[] = {
    {Option::CreatePB, u"CreatePB", OptionKind::kCheckbox, 16, 0, 1, 1},
    {Option::Suffix, u"Suffix", OptionKind::kText, 18, kGroupCreatePB, 0, 0},
    {Option::RemMacro, u"RemMacro", OptionKind::kCheckbox, 19, kGroupCreatePB, 1, 1},
    {Option::RemProcs, u"RemProcs", OptionKind::kCheckbox, 20, kGroupCreatePB, 1, 1},
    {Option::CreateASM, u"CreateASM", OptionKind::kCheckbox, 22, 0, 1, 1},
    {Option::RemComments, u"RemComments", OptionKind::kCheckbox, 23, kGroupCreateASM, 1, 1},
    {Option::RemEmpty, u"RemEmpty", OptionKind::kCheckbox, 24, kGroupCreateASM, 1, 1},
    {Option::RemAbsolut, u"RemAbsolut", OptionKind::kCheckbox, 25, kGroupCreateASM, 1, 1},
    {Option::InsEmpty, u"InsEmpty", OptionKind::kCheckbox, 26, kGroupCreateASM, 0, 1},
    {Option::nEmpty, u"nEmpty", OptionKind::kNumber, 27, kGroupCreateASM, 1, 1},
    {Option::RemUncalled, u"RemUncalled", OptionKind::kCheckbox, 28, kGroupCreateASM, 1, 1},
    {Option::InsNOP, u"InsNOP", OptionKind::kCheckbox, 29, kGroupCreateASM, 0, 1},
    {Option::nNOP, u"nNOP", OptionKind::kNumber, 30, kGroupCreateASM, 1, 1},
    {Option::ImgPlugin, u"ImgPlugin", OptionKind::kCheckbox, 31, kGroupCreateASM, 1, 1},
    {Option::CreateOUT, u"CreateOUT", OptionKind::kCheckbox, 33, 0, 1, 1},
    {Option::CopyDLL, u"CopyDLL", OptionKind::kCheckbox, 34, kGroupCreateOUT, 1, 1},
    {Option::GenLic, u"GenLic", OptionKind::kCheckbox, 35, 0, 1, 1},
    {Option::DelOnExit, u"DelOnExit", OptionKind::kCheckbox, 36, 0, 0, 0},
};

constexpr bool OptionTableInOrder() {
  for (int i = 0; i < kOptionCount; ++i) {
    if (kOptionTable[i].option != static_cast<Option>(i)) return false;
  }
  return true;
}
static_assert(std::size(kOptionTable) == kOptionCount, "one table entry per option");
static_assert(OptionTableInOrder(), "the table lists the options in their order");

// In settings-file order.
constexpr const auto& AllOptions() { return kOptionTable; }
constexpr const OptionInfo& InfoOf(Option option) { return kOptionTable[static_cast<int>(option)]; }
// Case-insensitive lookup of a settings key.
std::optional<Option> OptionFromKey(UStringView key);

inline constexpr char16_t kDefaultSuffix[] = u"_Sparl";

// Live option values, as the Settings window's controls hold them: checkbox
// states 0/1, number fields 1..99, the Suffix text exactly as typed.
struct OptionValues {
  std::array<int, kOptionCount> values{};
  UString suffix = kDefaultSuffix;

  int Get(Option option) const { return values[static_cast<int>(option)]; }
  void Set(Option option, int value) { values[static_cast<int>(option)] = value; }
  bool On(Option option) const { return Get(option) != 0; }

  // The values a new settings file is created with.
  static OptionValues Created();
  // The controls' initial states when no settings file exists.
  static OptionValues Initial();
};

// Checkbox values are 0 or 1 (non-zero is 1); number fields 1..99.
int ClampOptionValue(Option option, int64_t value);

// The controls that a group checkbox switches, in the order they are switched.
const std::vector<int>& GroupMembers(int group_control);

}  // namespace sparlin
