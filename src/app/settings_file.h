// "Sparlin.ini": the options between launches. A UTF-8 key file with a
// byte-order mark and "\r\n" line ends; one group, "Settings".
#pragma once

#include <optional>
#include <string>

#include "core/options.h"
#include "platform/file_system.h"

namespace sparlin {

inline constexpr char16_t kSettingsFileName[] = u"Sparlin.ini";

// The bytes of a newly created settings file.
std::string CreatedSettingsFileBytes();

// The values of the group "Settings" of a settings file's bytes: keys matched
// without regard to case, missing keys take their missing-key value, a value
// that is not a number reads as 0, and out-of-range values are clamped.
OptionValues ParseSettings(std::string_view bytes);

// The file rewritten with `values`: other lines and comments stay, key values
// are replaced, missing keys are added at the end of the group.
std::string UpdateSettings(std::string_view existing_bytes, const OptionValues& values);

// No settings file comes near this size; a larger file is not read (a
// file of that size could only take memory), its launch runs on the values
// of a missing file and the Settings window does not save into it.
inline constexpr int64_t kLargestSettingsFile = 1 << 20;

// The settings file as start-up and the Settings window use it.
struct SettingsFile {
  UString path = kSettingsFileName;
  platform::FileSystem* files = &platform::SystemFileSystem();

  // Creates the file with its defaults when nothing of that name exists.
  // False when it is missing and could not be created.
  bool CreateIfMissing() const;
  // The file's values; nullopt when there is no file or it is too large.
  std::optional<OptionValues> Load() const;
  // Saves into an existing file (safe replace); a missing file is skipped.
  bool Save(const OptionValues& values) const;
};

// The values a launch starts with: the file's when it exists; the creation
// values when the file is missing and could not be created (so that a build
// without a settings file still runs every stage).
OptionValues StartupOptionValues(const SettingsFile& file);

}  // namespace sparlin
