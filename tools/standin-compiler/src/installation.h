// Writes the parts of the stand-in's installation folder that are data: the
// runtime library files under PureLibraries/ and the DLLs that live beside
// the compiler under Compilers/.
#pragma once

#include <filesystem>
#include <ostream>

namespace sparlin::standin {

bool WriteInstallationData(const std::filesystem::path& installation, std::ostream& out);

}  // namespace sparlin::standin
