// What "/REASM" learns from an assembly file it is given: the runtime
// libraries still named in its header, the texts it prints, the image files
// it loads (file names put together from the static strings and string
// variables that the code hands to LoadImage/CatchImage), and whether each
// image's decoder library is still linked.
#pragma once

#include <map>
#include <string>

#include "payload.h"

namespace sparlin::standin {

struct AssemblyFacts {
  ProgramPayload payload;
  bool is_dll = false;
  std::map<std::string, std::string> strings;  // label -> UTF-8 text
};

AssemblyFacts ReadAssemblyFacts(const std::string& assembly);

// The decoder library that loading a file with this name needs, or empty
// when the format is built in or unknown.
std::string PluginForImageFile(const std::string& file);

}  // namespace sparlin::standin
