// The path of the running program, to find files installed beside it.
#pragma once

#include <filesystem>

namespace sparlin::standin {

std::filesystem::path SelfPath();

}  // namespace sparlin::standin
