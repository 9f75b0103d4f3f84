// How the compiler's assembly refers to a runtime function symbol F, written
// out form by form: the forms that are counted as references, and the
// declaration and call forms that are commented out when F is removed.
#pragma once

#include <vector>

#include "text/ustring.h"

namespace sparlin::oracle {

// The counted forms, 7 for 64-bit assembly and 10 for 32-bit, in table order.
std::vector<UString> LiteralCountedForms(UStringView symbol, bool is_64_bit);

// The declarations, commented out before the calls.
std::vector<UString> LiteralDeclarationForms(UStringView symbol, bool is_64_bit);

// The calls. The 32-bit indirect call is commented out in its "@" form and
// also in the "]\r\n" form that is counted, so that no call of a removed
// function stays live.
std::vector<UString> LiteralCallForms(UStringView symbol, bool is_64_bit);

}  // namespace sparlin::oracle
