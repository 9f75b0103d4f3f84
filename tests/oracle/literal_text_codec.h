// The UTF-8 codec as it was before it took runs of ASCII in blocks: one
// code point at a time. The tests compare the shipped codec with it.
#pragma once

#include "text/ustring.h"

namespace sparlin::oracle {

UString LiteralDecodeUtf8(std::string_view bytes);
std::string LiteralEncodeUtf8(UStringView text);

}  // namespace sparlin::oracle
