// The options of a build: one entry per settings key, with the control of the
// Settings window that holds it and the values of the settings file.
#pragma once

#include <array>
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
constexpr int kOptionCount = 18;

enum class OptionKind { kCheckbox, kNumber, kText };

struct OptionInfo {
  Option option;
  const char16_t* key;  // as written in the settings file
  OptionKind kind;
  int control;          // control number in the Settings window
  int created_value;    // value written when the settings file is created
  int missing_value;    // value used when the key is missing from the file
};

// In settings-file order.
const std::array<OptionInfo, kOptionCount>& AllOptions();
const OptionInfo& InfoOf(Option option);
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

// The group checkboxes and their dependent controls (Settings window control
// numbers), in the order they are switched.
constexpr int kGroupCreatePB = 16;
constexpr int kGroupCreateASM = 22;
constexpr int kGroupCreateOUT = 33;
constexpr int kControlGenLic = 35;
const std::vector<int>& GroupMembers(int group_control);

}  // namespace sparlin
