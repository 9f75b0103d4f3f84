#include "pruning/required_dlls.h"

namespace sparlin {

void CopyRequiredDlls(BuildContext&) {}

}  // namespace sparlin
