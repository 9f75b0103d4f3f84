#include "pruning/image_plugins.h"

#include <algorithm>
#include <type_traits>

#include "text/byte_scan.h"
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

namespace {

// Which of the probes occur in the text, found in one pass: a quoted probe
// ends at a double quote, every character-code probe begins with "46,".
class ProbeScan {
 public:
  void Add(const UString& probe, bool ignore_case) { probes_.push_back({probe, ignore_case, false}); }

  // The text is UTF-8: a byte past ASCII never equals a probe's character,
  // and no letter past ASCII lowers to one.
  void Run(std::string_view text) {
    ForEachOf(text, '"', '4', [&](size_t at) {
      if (text[at] == '"') {
        for (Probe& probe : probes_) {
          if (probe.found || !probe.ignore_case || at + 1 < probe.text.size()) continue;
          size_t start = at + 1 - probe.text.size();
          bool same = true;
          for (size_t i = 0; i < probe.text.size() && same; ++i) {
            same = ToLowerChar(static_cast<char16_t>(static_cast<unsigned char>(text[start + i]))) ==
                   probe.text[i];
          }
          probe.found = same;
        }
        return;
      }
      if (text.size() - at < 3 || text[at + 1] != '6' || text[at + 2] != ',') return;
      for (Probe& probe : probes_) {
        if (probe.found || probe.ignore_case || text.size() - at < probe.text.size()) continue;
        probe.found = std::equal(probe.text.begin(), probe.text.end(), text.begin() + at,
                                 [](char16_t a, char b) { return a == static_cast<unsigned char>(b); });
      }
    });
  }

  bool Found(size_t probe) const { return probes_[probe].found; }

 private:
  struct Probe {
    UString text;
    bool ignore_case;
    bool found;
  };
  std::vector<Probe> probes_;
};

PluginGuard DetectIn(const std::vector<UString>& libraries, std::string_view text, bool remove_by_extension,
                     const std::function<void(const UString&)>& log) {
  PluginGuard guard;
  const auto& plugins = ImagePlugins();
  for (size_t i = 0; i < plugins.size(); ++i) {
    bool imported = std::find(libraries.begin(), libraries.end(), UString(plugins[i].library)) != libraries.end();
    guard.detected[i] = imported ? 1 : 0;
  }
  // The probes of every imported plugin, in one pass over the text.
  ProbeScan scan;
  std::array<std::vector<size_t>, kImagePluginCount> probes_of;
  if (remove_by_extension) {
    size_t next = 0;
    for (size_t i = 0; i < plugins.size(); ++i) {
      if (!guard.detected[i]) continue;
      for (const char16_t* extension : plugins[i].extensions) {
        if (!extension) continue;
        std::array<UString, 4> probes = PluginProbes(extension);
        // A quoted file name may be written in any case; a string literal
        // that reaches the assembly only as character codes is matched exactly.
        scan.Add(ToLower(probes[0]), true);
        for (size_t k = 1; k < probes.size(); ++k) scan.Add(probes[k], false);
        for (size_t k = 0; k < probes.size(); ++k) probes_of[i].push_back(next++);
      }
    }
    scan.Run(text);
  }
  for (size_t i = 0; i < plugins.size(); ++i) {
    if (!guard.detected[i]) continue;
    if (remove_by_extension) {
      guard.detected[i] =
          std::any_of(probes_of[i].begin(), probes_of[i].end(), [&](size_t probe) { return scan.Found(probe); }) ? 1
                                                                                                                  : 0;
    }
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

}  // namespace

PluginGuard DetectImagePlugins(const std::vector<UString>& libraries, std::string_view text,
                               bool remove_by_extension, const std::function<void(const UString&)>& log) {
  return DetectIn(libraries, text, remove_by_extension, log);
}

}  // namespace sparlin
