#include "app/settings_file.h"

#include <vector>

#include "text/text_ops.h"

namespace sparlin {
namespace {

constexpr char16_t kGroup[] = u"Settings";

struct KeyLine {
  UString key;
  UString value;
};

// "[Name]" -> Name; nullopt for other lines.
std::optional<UString> GroupName(const UString& line) {
  UString trimmed = TrimBlanks(line);
  if (trimmed.size() < 2 || trimmed.front() != u'[') return std::nullopt;
  size_t close = trimmed.find(u']');
  if (close == UString::npos) return std::nullopt;
  return TrimBlanks(trimmed.substr(1, close - 1));
}

// "key = value" -> key and the value as written (the one blank of the
// separator removed, so a Suffix typed with blanks keeps them).
std::optional<KeyLine> ParseKeyLine(const UString& line) {
  UString trimmed = TrimLeadingBlanks(line);
  if (trimmed.empty() || trimmed.front() == u';') return std::nullopt;
  size_t eq = line.find(u'=');
  if (eq == UString::npos) return std::nullopt;
  KeyLine kv{TrimBlanks(line.substr(0, eq)), line.substr(eq + 1)};
  if (!kv.value.empty() && kv.value.front() == u' ') kv.value.erase(0, 1);
  if (kv.key.empty()) return std::nullopt;
  return kv;
}

bool IsSettingsGroup(const UString& name) { return ToLower(name) == ToLower(kGroup); }

UString ValueText(const OptionValues& values, Option option) {
  return option == Option::Suffix ? values.suffix : ToDecimal(values.Get(option));
}

UString KeyLineText(const OptionInfo& info, const OptionValues& values) {
  return UString(info.key) + u" = " + ValueText(values, info.option);
}

std::string JoinLines(const std::vector<UString>& lines) {
  UString text;
  for (const UString& line : lines) text += line + u"\r\n";
  return BomBytes(TextEncoding::kUtf8) + EncodeUtf8(text);
}

}  // namespace

std::string CreatedSettingsFileBytes() {
  OptionValues values = OptionValues::Created();
  std::vector<UString> lines = {u"", u"; Sparlin", u"; ", u"[Settings]"};
  for (const auto& info : AllOptions()) lines.push_back(KeyLineText(info, values));
  return JoinLines(lines);
}

OptionValues ParseSettings(std::string_view bytes) {
  OptionValues values;
  for (const auto& info : AllOptions()) values.Set(info.option, info.missing_value);
  values.suffix = kDefaultSuffix;
  std::array<bool, kOptionCount> seen{};
  bool in_group = false;
  for (const UString& line : SplitLines(DecodeWithBom(bytes))) {
    if (auto group = GroupName(line)) {
      in_group = IsSettingsGroup(*group);
      continue;
    }
    if (!in_group) continue;
    auto kv = ParseKeyLine(line);
    if (!kv) continue;
    auto option = OptionFromKey(kv->key);
    if (!option || seen[static_cast<int>(*option)]) continue;  // the first line of a key counts
    seen[static_cast<int>(*option)] = true;
    if (*option == Option::Suffix) {
      values.suffix = kv->value;
    } else {
      values.Set(*option, ClampOptionValue(*option, LeadingInteger(kv->value)));
    }
  }
  return values;
}

std::string UpdateSettings(std::string_view existing_bytes, const OptionValues& values) {
  std::vector<UString> lines = SplitLines(DecodeWithBom(existing_bytes));
  std::array<bool, kOptionCount> written{};
  bool in_group = false;
  bool group_found = false;
  size_t insert_at = lines.size();  // after the group's last key line
  for (size_t i = 0; i < lines.size(); ++i) {
    if (auto group = GroupName(lines[i])) {
      in_group = IsSettingsGroup(*group);
      if (in_group && !group_found) {
        group_found = true;
        insert_at = i + 1;
      }
      continue;
    }
    if (!in_group) continue;
    auto kv = ParseKeyLine(lines[i]);
    if (!kv) continue;
    insert_at = i + 1;
    if (auto option = OptionFromKey(kv->key)) {
      lines[i] = KeyLineText(InfoOf(*option), values);
      written[static_cast<int>(*option)] = true;
    }
  }
  std::vector<UString> missing;
  if (!group_found) missing.push_back(u"[Settings]");
  for (const auto& info : AllOptions()) {
    if (!written[static_cast<int>(info.option)]) missing.push_back(KeyLineText(info, values));
  }
  if (!group_found) insert_at = lines.size();
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert_at), missing.begin(), missing.end());
  return JoinLines(lines);
}

bool SettingsFile::CreateIfMissing() const {
  int64_t size = files->FileSize(path);
  if (size != platform::kFileMissing) return size >= 0;
  // Complete or absent: a settings file cut short (a full disk) would never
  // be completed, and every later launch would run on missing-key values.
  // Another launch creating it at the same moment is as good as creating it.
  return files->CreateNewFile(path, CreatedSettingsFileBytes()) || files->FileSize(path) >= 0;
}

namespace {

bool ReadSettingsBytes(platform::FileSystem& files, const UString& path, std::string& bytes) {
  int64_t size = files.FileSize(path);
  return size >= 0 && size <= kLargestSettingsFile && files.ReadWholeFile(path, bytes) &&
         bytes.size() <= static_cast<size_t>(kLargestSettingsFile);
}

}  // namespace

std::optional<OptionValues> SettingsFile::Load() const {
  std::string bytes;
  if (!ReadSettingsBytes(*files, path, bytes)) return std::nullopt;
  return ParseSettings(bytes);
}

bool SettingsFile::Save(const OptionValues& values) const {
  std::string bytes;
  if (!ReadSettingsBytes(*files, path, bytes)) return false;
  return files->SafeReplaceFile(path, UpdateSettings(bytes, values));
}

OptionValues StartupOptionValues(const SettingsFile& file) {
  if (auto loaded = file.Load()) return *loaded;
  return OptionValues::Created();
}

}  // namespace sparlin
