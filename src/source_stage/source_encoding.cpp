#include "source_stage/source_encoding.h"

namespace sparlin {

bool ConvertSourceEncoding(BuildContext& ctx) {
  ctx.host.SetProgress(17);
  return true;
}

}  // namespace sparlin
