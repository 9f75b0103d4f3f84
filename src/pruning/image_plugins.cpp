#include "pruning/image_plugins.h"

#include <algorithm>

#include "text/text_ops.h"

namespace sparlin {
namespace {

UString CharacterCodes(UStringView text) {
  UString codes;
  for (char16_t c : text) {
    if (!codes.empty()) codes += u',';
    codes += ToDecimal(c);
  }
  return codes;
}

}  // namespace

const std::array<ImagePlugin, kImagePluginCount>& ImagePlugins() {
  static const std::array<ImagePlugin, kImagePluginCount> plugins = {{
      {u"ImagePluginBMP", u"BMP", u"PB_InitBMPImagePlugin", {u".bmp", nullptr}, true},
      {u"ImagePluginGIF", u"GIF", u"PB_UseGIFImageDecoder", {u".gif", nullptr}, true},
      {u"ImagePluginJPEG2000", u"JP2", u"PB_UseJPEG2000ImageDecoder", {u".jp2", nullptr}, true},
      {u"ImagePluginJPEG", u"JPG", u"PB_UseJPEGImageDecoder", {u".jpg", u".jpeg"}, false},
      {u"ImagePluginPNG", u"PNG", u"PB_UsePNGImageDecoder", {u".png", nullptr}, true},
      {u"ImagePluginTGA", u"TGA", u"PB_UseTGAImageDecoder", {u".tga", nullptr}, true},
      {u"ImagePluginTIFF", u"TIFF", u"PB_UseTIFFImageDecoder", {u".tiff", u".tif"}, true},
  }};
  return plugins;
}

bool PluginGuard::AnyDetected() const {
  return std::any_of(detected.begin(), detected.end(), [](int flag) { return flag != 0; });
}

bool PluginGuard::IsProtected(UStringView symbol) const {
  return std::any_of(ProtectedName.begin(), ProtectedName.end(),
                     [&](const UString& name) { return !name.empty() && name == symbol; });
}

std::array<UString, 4> PluginProbes(UStringView extension) {
  UString lower = ToLower(extension);
  UString capitalised = lower;
  if (capitalised.size() > 1) capitalised[1] = ToUpperChar(capitalised[1]);
  return {lower + u"\"", CharacterCodes(lower), CharacterCodes(ToUpper(lower)), CharacterCodes(capitalised)};
}

bool PluginNamedInText(const ImagePlugin& plugin, UStringView text) {
  for (const char16_t* extension : plugin.extensions) {
    if (!extension) continue;
    std::array<UString, 4> probes = PluginProbes(extension);
    // A quoted file name may be written in any case; a string literal that
    // reaches the assembly only as character codes is matched exactly.
    if (FindNoCase(text, probes[0]) != UStringView::npos) return true;
    for (size_t i = 1; i < probes.size(); ++i) {
      if (Contains(text, probes[i])) return true;
    }
  }
  return false;
}

PluginGuard DetectImagePlugins(const std::vector<UString>& libraries, UStringView text, bool remove_by_extension,
                               const std::function<void(const UString&)>& log) {
  PluginGuard guard;
  const auto& plugins = ImagePlugins();
  for (size_t i = 0; i < plugins.size(); ++i) {
    bool imported = std::find(libraries.begin(), libraries.end(), UString(plugins[i].library)) != libraries.end();
    guard.detected[i] = imported ? 1 : 0;
  }
  for (size_t i = 0; i < plugins.size(); ++i) {
    if (!guard.detected[i]) continue;
    if (remove_by_extension) guard.detected[i] = PluginNamedInText(plugins[i], text) ? 1 : 0;
    if (!guard.detected[i]) continue;
    log(u"\t\u00B7  " + UString(plugins[i].tag) + u" de/encoder detected\r\n");
    guard.ProtectedName[i] = plugins[i].protected_name;
    if (plugins[i].sets_alpha_names) {
      guard.AlphaInitName = u"PB_InitAlphaImage";
      guard.AlphaEndName = u"PB_EndAlphaImage";
    }
  }
  return guard;
}

}  // namespace sparlin
