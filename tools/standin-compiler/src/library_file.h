// The library files of the stand-in's installation ("PureLibraries/<Name>"),
// laid out like the real ones: a header chunk "ERUP" + length + "4BIL" +
// version with zero-separated fields and one record per function, then a data
// chunk "ERUP" + length + "1TAD" with packed-looking bytes.
#pragma once

#include <string>
#include <vector>

#include "library_catalog.h"

namespace sparlin::standin {

std::string LibraryFileBytes(const std::string& library,
                             const std::vector<const LibraryFunction*>& functions);

}  // namespace sparlin::standin
