// How the compiler's assembly refers to a runtime function symbol F: the
// forms that are counted as references, and the declaration and call forms
// that are commented out when F is removed.
#pragma once

#include <cstdint>
#include <vector>

#include "text/ustring.h"

namespace sparlin {

// Counted forms, 64-bit (7) or 32-bit (10). Every form ends where the symbol
// ends, so PB_Free never counts the references of PB_FreeAll.
std::vector<UString> CountedForms(UStringView symbol, bool is_64_bit);

// Declarations, commented out before the calls: "extrn F" (64-bit), and
// "extrn _F@" and "extrn F" (32-bit). A 32-bit "extrn _F" without argument
// size is counted but left as it is; once its calls are commented out it
// declares a symbol that nothing uses.
std::vector<UString> DeclarationForms(UStringView symbol, bool is_64_bit);

// Calls. The 32-bit indirect call is written "CALL   dword [_F]", which is
// the form counted; it is commented out in that form as well as in the
// "dword [_F@" form, so that no call of a removed function stays live.
std::vector<UString> CallForms(UStringView symbol, bool is_64_bit);

}  // namespace sparlin
