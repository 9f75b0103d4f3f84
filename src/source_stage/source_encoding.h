// Gives the preprocessed file the encoding and byte-order mark of the source.
#pragma once

#include "core/build_state.h"

namespace sparlin {

// The log item that names the source's encoding; empty for the big-endian kinds.
UString StringFormatLogItem(TextEncoding format);

// The preprocessed file's bytes as the compiler wrote them (UTF-8, a mark
// skipped) turned into `format`: its mark, the text, an added "\r\n".
std::string ConvertedPreprocessedBytes(std::string_view compiler_bytes, TextEncoding format);

// False (after its message) when the preprocessed file cannot be read or
// written; the preprocess stage then stops the build.
bool ConvertSourceEncoding(BuildContext& ctx);

}  // namespace sparlin
