#include "source_stage/resource_script.h"

#include <map>
#include <vector>

#include "platform/command_line.h"
#include "source_stage/option_lines.h"
#include "source_stage/version_template.h"
#include "text/paths.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

UString DefaultFieldValue(int field) {
  switch (field) {
    case 0:
    case 1: return u"0,0,0,0";
    case 15:
    case 16: return u"0";
    case 17: return u"0000";
    default: return UString();
  }
}

// The placeholder and value of a "; VersionFieldN = value" line. The key is
// read from the line itself, so a line found for another field fills that
// field's placeholder.
void ReadFieldLine(UStringView line, UString& key, UString& value) {
  UString name = StringField(line, 1, u'=');
  size_t first = name.find_first_not_of(u';');
  key = TrimBlanks(first == UString::npos ? UString() : name.substr(first)) + u"%";
  value = TrimBlanks(StringField(line, 2, u'='));
  if (key == u"VersionField0%" || key == u"VersionField1%") {
    value = ReplaceAll(value, u".", u",");
  } else if (key == u"VersionField17%") {
    value = StringField(value, 1, u' ');  // the language number without its name
  }
}

struct FieldValue {
  UString key;  // "VersionField" + number + "%"
  UString value;
};

// The value of each field as the template is filled, field 0 first: a found
// line or the default.
std::vector<FieldValue> VersionFieldValues(UStringView working_text, size_t search_start) {
  std::vector<FieldValue> fields;
  for (int field = 0; field <= 23; ++field) {
    UString number = ToDecimal(field);
    size_t found = working_text.find(u"; VersionField" + number, search_start);
    FieldValue f;
    if (found != UStringView::npos) {
      ReadFieldLine(RestOfLine(working_text, found), f.key, f.value);
      search_start = found;
    } else {
      f.key = u"VersionField" + number + u"%";
      f.value = DefaultFieldValue(field);
      search_start = 0;
    }
    fields.push_back(std::move(f));
  }
  return fields;
}

// The fields that the template writes outside quotes: version numbers, the
// system and file type names, the language code.
bool IsNumberField(UStringView key) {
  for (UStringView number : {u"VersionField0%", u"VersionField1%", u"VersionField15%", u"VersionField16%",
                             u"VersionField17%"}) {
    if (key == number) return true;
  }
  return false;
}

// What a number field may hold: numbers, names and the signs that join them.
bool IsNumberFieldValue(UStringView value) {
  for (char16_t c : value) {
    bool letter_or_digit = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    if (!letter_or_digit && UStringView(u" _,.|+-()").find(c) == UStringView::npos) return false;
  }
  return true;
}

// A text field's value inside the template's quotes: a quote is written twice.
UString QuotedFieldText(UStringView value) { return ReplaceAll(value, u"\"", u"\"\""); }

// The option name of a field line's key ("VersionField2%" -> "VersionField2").
UString OptionName(UStringView key) { return UString(key.substr(0, key.size() - 1)); }

// The path of every "; AddResource" line, in order; a resource in
// `source_folder` by its bare file name.
std::vector<UString> ResourcePaths(UStringView working_text, UStringView source_folder) {
  constexpr UStringView kAddResource = u"; AddResource";
  size_t count = CountOccurrences(working_text, kAddResource);
  std::vector<UString> paths;
  size_t from = 0;
  for (size_t i = 0; i < count; ++i) {
    size_t found = working_text.find(kAddResource, from);
    if (found == UStringView::npos) {
      from = 0;
      continue;
    }
    from = found + 1;
    UString path = TrimBlanks(StringField(RestOfLine(working_text, found), 2, u'='));
    UString folder = PathFolder(path);
    if (!folder.empty() && folder == source_folder) path = ReplaceAll(path, folder, u"");
    paths.push_back(std::move(path));
  }
  return paths;
}

}  // namespace

std::optional<UString> VersionResourceText(UStringView working_text) {
  size_t search_start = working_text.find(u"; IncludeVersionInfo");
  if (search_start == UStringView::npos) return std::nullopt;
  // The first value given to a placeholder is the one it gets; the template
  // is filled in one pass, so a value is never searched for placeholders.
  std::map<UString, UString> values;
  for (FieldValue& f : VersionFieldValues(working_text, search_start)) {
    if (!IsNumberField(f.key)) f.value = QuotedFieldText(f.value);
    values.emplace(std::move(f.key), std::move(f.value));
  }
  const UString template_text = VersionTemplate();
  constexpr UStringView kPlaceholder = u"VersionField";
  UString filled;
  size_t done = 0;
  for (size_t at = template_text.find(kPlaceholder); at != UString::npos;
       at = template_text.find(kPlaceholder, at + 1)) {
    size_t end = at + kPlaceholder.size();
    while (end < template_text.size() && template_text[end] >= u'0' && template_text[end] <= u'9') ++end;
    if (end >= template_text.size() || template_text[end] != u'%') continue;
    auto value = values.find(template_text.substr(at, end + 1 - at));
    if (value == values.end()) continue;
    filled.append(template_text, done, at - done);
    filled += value->second;
    done = end + 1;
  }
  filled.append(template_text, done, UString::npos);
  return filled;
}

UString UnpassableResourceOption(UStringView working_text, UStringView source_folder) {
  size_t search_start = working_text.find(u"; IncludeVersionInfo");
  if (search_start != UStringView::npos) {
    for (const FieldValue& f : VersionFieldValues(working_text, search_start)) {
      if (IsNumberField(f.key) && !IsNumberFieldValue(f.value)) return OptionName(f.key);
    }
  }
  for (const UString& path : ResourcePaths(working_text, source_folder)) {
    if (path.find(u'"') != UString::npos) return u"AddResource";
  }
  return UString();
}

UString ResourceIncludeText(UStringView working_text, UStringView source_folder) {
  UString includes;
  for (const UString& path : ResourcePaths(working_text, source_folder)) includes += u"\r\n#include \"" + path + u"\"";
  return includes;
}

std::optional<std::string> ResourceScriptBytes(const std::optional<UString>& version_text,
                                               UStringView include_text) {
  if (!version_text && include_text.empty()) return std::nullopt;
  std::string bytes = BomBytes(TextEncoding::kUtf8);
  if (version_text) bytes += EncodeUtf8(*version_text);
  if (!include_text.empty()) bytes += "\r\n" + EncodeUtf8(include_text) + "\r\n";
  return bytes;
}

bool WriteResourceScript(BuildContext& ctx, UStringView working_text) {
  const UString& path = ctx.state.globals.ResourceScriptPath;
  std::optional<std::string> bytes = ResourceScriptBytes(
      VersionResourceText(working_text), ResourceIncludeText(working_text, PathFolder(ctx.state.globals.SourcePath)));
  if (!bytes) return true;
  // One write of the whole script: complete, or the build stops.
  if (!ctx.files.SafeReplaceFile(path, *bytes)) return false;
  ctx.state.source.Switches.Resource = u" /RESOURCE " + QuotedPath(path);
  return true;
}

}  // namespace sparlin
