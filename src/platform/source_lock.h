// One build per folder at a time, across processes: while a build holds the
// lock for the folder it writes into ("PureBasic.asm", "Sparlin.rc", the
// preprocessed file and the constants copy all lie beside the source), no
// other Sparlin gets it. The folder is the real one (links resolved, compared
// as the file system compares it), so two spellings of one folder share one
// lock. The operating system's lock is on a file in a folder of the user's
// own, so it disappears with the process that held it, however that process
// ends, and no other user can take it; the file is removed when the lock is
// given back.
#pragma once

#include "text/ustring.h"

namespace sparlin::platform {

// Held while a build runs; destroying it lets the next build in. A plain
// SourceLock holds nothing: it stands in when no lock file can be had, so
// that a build then runs as it would without locking.
class SourceLock {
 public:
  virtual ~SourceLock() = default;
};

// Name of the lock file for a folder known by `identity` (its device and
// file number as text): "Sparlin-", 16 hex digits of a hash, ".lock".
UString SourceLockFileName(UStringView identity);

// Whether `name` is one of the temporary files that stand in for a file
// while it is written (platform/temporary_name.h). A build that holds the
// lock of a folder removes the ones a killed build left there.
bool IsLeftoverTemporaryName(UStringView name);

}  // namespace sparlin::platform
