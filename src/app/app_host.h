// What the application shell needs from a front end beyond the build's needs.
#pragma once

#include "core/build_host.h"

namespace sparlin {

class AppHost : public BuildHost {
 public:
  virtual void SetMainWindowEnabled(bool enabled) = 0;
  virtual void BringMainWindowToFront() = 0;
};

}  // namespace sparlin
