#include "source_stage/resource_script.h"

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

}  // namespace

std::optional<UString> VersionResourceText(UStringView working_text) {
  size_t search_start = working_text.find(u"; IncludeVersionInfo");
  if (search_start == UStringView::npos) return std::nullopt;
  UString filled = VersionTemplate();
  for (int field = 0; field <= 23; ++field) {
    UString number = ToDecimal(field);
    size_t found = working_text.find(u"; VersionField" + number, search_start);
    UString key, value;
    if (found != UStringView::npos) {
      ReadFieldLine(RestOfLine(working_text, found), key, value);
      search_start = found;
    } else {
      key = u"VersionField" + number + u"%";
      value = DefaultFieldValue(field);
      search_start = 0;
    }
    filled = ReplaceAll(filled, key, value);
  }
  return filled;
}

UString ResourceIncludeText(UStringView working_text, UStringView source_folder) {
  constexpr UStringView kAddResource = u"; AddResource";
  size_t count = CountOccurrences(working_text, kAddResource);
  UString includes;
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
    includes += u"\r\n#include \"" + path + u"\"";
  }
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

void WriteResourceScript(BuildContext& ctx, UStringView working_text) {
  const UString& path = ctx.state.globals.ResourceScriptPath;
  std::optional<UString> version_text = VersionResourceText(working_text);
  UString include_text = ResourceIncludeText(working_text, PathFolder(ctx.state.globals.SourcePath));
  bool written = false;
  // The version resource and the includes are two writes, so that a failed
  // first one does not keep the includes out of the script.
  if (version_text) {
    if (ctx.files.SafeReplaceFile(path, *ResourceScriptBytes(version_text, u""))) {
      written = true;
    } else {
      version_text.reset();
    }
  }
  if (!include_text.empty() && ctx.files.SafeReplaceFile(path, *ResourceScriptBytes(version_text, include_text))) {
    written = true;
  }
  if (written) ctx.state.source.Switches.Resource = u" /RESOURCE \"" + path + u"\"";
}

}  // namespace sparlin
