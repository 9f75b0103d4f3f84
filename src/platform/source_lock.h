// One build per source at a time, across processes: while a build holds the
// lock for a source, no other Sparlin gets it. The operating system's lock is
// on a file in the user's temporary folder (never beside the source), so it
// disappears with the process that held it, however that process ends.
#pragma once

#include "text/ustring.h"

namespace sparlin::platform {

// Held while a build of one source runs; destroying it lets the next build
// in. A plain SourceLock holds nothing: it stands in when no lock file can be
// had, so that a build then runs as it would without locking.
class SourceLock {
 public:
  virtual ~SourceLock() = default;
};

// Name of the lock file for builds of `source_path`: "Sparlin-", 16 hex
// digits of a hash of the path as Windows compares paths ("/" as "\", letter
// case ignored), ".lock".
UString SourceLockFileName(UStringView source_path);

}  // namespace sparlin::platform
