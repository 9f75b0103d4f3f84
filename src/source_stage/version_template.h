// The version template of the resource script: 51 ASCII lines separated by
// "\r\n", with the placeholders "VersionField0%" to "VersionField23%". The
// bytes are generated from resources/version_template.txt at build time.
#pragma once

#include <cstddef>

#include "text/ustring.h"

namespace sparlin {

extern const char kVersionTemplateBytes[];
extern const size_t kVersionTemplateSize;

inline UString VersionTemplate() { return DecodeUtf8({kVersionTemplateBytes, kVersionTemplateSize}); }

}  // namespace sparlin
