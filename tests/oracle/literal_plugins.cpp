#include "oracle/literal_plugins.h"

#include <string>

namespace sparlin::oracle {
namespace {

char16_t AsciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? c + 32 : c; }
char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? c - 32 : c; }

UString Codes(UStringView text) {
  UString out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (i > 0) out += u',';
    for (char c : std::to_string(static_cast<int>(text[i]))) out += static_cast<char16_t>(c);
  }
  return out;
}

// The quoted probe is searched without regard to case: the extensions are
// ASCII, and no character beyond ASCII has an ASCII letter as its lower case.
bool ContainsIgnoringCase(UStringView text, UStringView probe) {
  for (size_t at = 0; at + probe.size() <= text.size(); ++at) {
    size_t i = 0;
    while (i < probe.size() && AsciiLower(text[at + i]) == AsciiLower(probe[i])) ++i;
    if (i == probe.size()) return true;
  }
  return false;
}

bool NamedInText(const LiteralPlugin& plugin, UStringView text) {
  for (const UString& extension : plugin.extensions) {
    std::vector<UString> probes = LiteralPluginProbes(extension);
    if (ContainsIgnoringCase(text, probes[0])) return true;
    for (size_t i = 1; i < probes.size(); ++i) {
      if (text.find(probes[i]) != UStringView::npos) return true;
    }
  }
  return false;
}

}  // namespace

const std::vector<LiteralPlugin>& LiteralPlugins() {
  static const std::vector<LiteralPlugin> plugins = {
      {u"ImagePluginBMP", u"BMP", u"PB_InitBMPImagePlugin", {u".bmp"}, true},
      {u"ImagePluginGIF", u"GIF", u"PB_UseGIFImageDecoder", {u".gif"}, true},
      {u"ImagePluginJPEG2000", u"JP2", u"PB_UseJPEG2000ImageDecoder", {u".jp2"}, true},
      {u"ImagePluginJPEG", u"JPG", u"PB_UseJPEGImageDecoder", {u".jpg", u".jpeg"}, false},
      {u"ImagePluginPNG", u"PNG", u"PB_UsePNGImageDecoder", {u".png"}, true},
      {u"ImagePluginTGA", u"TGA", u"PB_UseTGAImageDecoder", {u".tga"}, true},
      {u"ImagePluginTIFF", u"TIFF", u"PB_UseTIFFImageDecoder", {u".tiff", u".tif"}, true},
  };
  return plugins;
}

std::vector<UString> LiteralPluginProbes(UStringView extension) {
  UString lower, upper, capitalised;
  for (size_t i = 0; i < extension.size(); ++i) {
    lower += AsciiLower(extension[i]);
    upper += AsciiUpper(extension[i]);
    capitalised += i == 1 ? AsciiUpper(extension[i]) : AsciiLower(extension[i]);
  }
  return {lower + u"\"", Codes(lower), Codes(upper), Codes(capitalised)};
}

PluginGuard LiteralPluginGuard(const std::vector<UString>& libraries, UStringView text, bool remove_by_extension,
                               const std::function<void(const UString&)>& log) {
  PluginGuard guard;
  const std::vector<LiteralPlugin>& plugins = LiteralPlugins();
  for (size_t i = 0; i < plugins.size(); ++i) {
    guard.detected[i] = 0;
    for (const UString& library : libraries) {
      if (library == plugins[i].library) guard.detected[i] = 1;
    }
  }
  for (size_t i = 0; i < plugins.size(); ++i) {
    if (guard.detected[i] != 1) continue;
    if (remove_by_extension) guard.detected[i] = NamedInText(plugins[i], text) ? 1 : 0;
    if (guard.detected[i] != 1) continue;
    log(u"\t\u00B7  " + plugins[i].tag + u" de/encoder detected\r\n");
    guard.ProtectedName[i] = plugins[i].protected_name;
    if (plugins[i].sets_alpha_names) {
      guard.AlphaInitName = u"PB_InitAlphaImage";
      guard.AlphaEndName = u"PB_EndAlphaImage";
    }
  }
  return guard;
}

}  // namespace sparlin::oracle
