// Which image plugin libraries a program needs, decided as the rules read:
// the seven plugins in their order, the probes of each extension, a search
// of the whole text for each probe. Written apart from the program's own
// detection so that tests can compare the two.
#pragma once

#include <functional>
#include <vector>

#include "pruning/image_plugins.h"
#include "text/ustring.h"

namespace sparlin::oracle {

struct LiteralPlugin {
  UString library;
  UString tag;
  UString protected_name;
  std::vector<UString> extensions;  // probed in this order
  bool sets_alpha_names;
};

// The seven plugins in the order in which they are handled.
const std::vector<LiteralPlugin>& LiteralPlugins();

// The probes of one extension (lower case, with its dot): the quoted form,
// then the character codes of the lower-case, upper-case and capitalised
// forms.
std::vector<UString> LiteralPluginProbes(UStringView extension);

// The guard (the program's plain record of detected flags and names), with
// each detection line given to `log`.
PluginGuard LiteralPluginGuard(const std::vector<UString>& libraries, UStringView text, bool remove_by_extension,
                               const std::function<void(const UString&)>& log);

}  // namespace sparlin::oracle
