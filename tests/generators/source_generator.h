// Seeded preprocessed PureBasic source for the differential tests and the
// benchmark: about 500 procedures per MB and no, one or many macro blocks,
// with every definition form the source passes tell apart, blocks without
// their end line, stray end lines, and references of every kind.
#pragma once

#include <cstdint>
#include <string>

namespace sparlin::generators {

// UTF-8 text of at least `bytes` bytes (a little more, to close the last
// block), mostly with "\r\n" line ends; the same seed gives the same text.
std::string GeneratePreprocessedSource(size_t bytes, uint64_t seed);

}  // namespace sparlin::generators
