// Seeded preprocessed PureBasic source for the differential tests and the
// benchmark: about 500 procedures and 20 macro blocks per MB, with every
// definition form the source passes tell apart and references of every kind.
#pragma once

#include <cstdint>
#include <string>

namespace sparlin::generators {

// UTF-8 text of at least `bytes` bytes (a little more, to close the last
// block), mostly with "\r\n" line ends; the same seed gives the same text.
std::string GeneratePreprocessedSource(size_t bytes, uint64_t seed);

}  // namespace sparlin::generators
