// Which of the image plugin libraries that the assembly imports the program
// really needs: with "remove by extension" on, a plugin counts only when the
// file extension of its format occurs in the program's text.
#pragma once

#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "text/ustring.h"

namespace sparlin {

constexpr int kImagePluginCount = 7;

struct ImagePlugin {
  const char16_t* library;         // as named in the assembly header
  const char16_t* tag;             // in the detection log line
  const char16_t* protected_name;  // the symbol kept when detected
  const char16_t* extensions[2];   // probed in order; the second may be null
  bool sets_alpha_names;           // every plugin but JPEG needs alpha images
};

// The seven plugins in the order in which they are handled.
const std::array<ImagePlugin, kImagePluginCount>& ImagePlugins();

// What pruning must keep for the plugins found.
struct PluginGuard {
  std::array<int, kImagePluginCount> detected{};
  std::array<UString, kImagePluginCount> ProtectedName;
  UString AlphaInitName;  // "PB_InitAlphaImage" once a non-JPEG plugin is found
  UString AlphaEndName;   // "PB_EndAlphaImage" likewise

  bool AnyDetected() const;
  bool IsProtected(UStringView symbol) const;
};

// The probes of one extension (lower case, with its dot): the quoted form
// (searched ignoring case), then the character codes of the lower-case, the
// upper-case and the capitalised extension (searched as they are).
std::array<UString, 4> PluginProbes(UStringView extension);

// Appends one detection line per detected plugin through `log`. All probes
// are looked for in one pass over the text.
// The text is the assembly's UTF-8 bytes.
PluginGuard DetectImagePlugins(const std::vector<UString>& libraries, std::string_view text,
                               bool remove_by_extension, const std::function<void(const UString&)>& log);

}  // namespace sparlin
