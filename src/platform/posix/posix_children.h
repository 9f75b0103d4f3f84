// The children that StartProcess started and nobody has reaped yet. A child
// leaves the list before it is reaped, so that its number, which the system
// may hand out again once it is reaped, is never signalled by mistake.
#pragma once

#include <sys/types.h>

#include <mutex>
#include <vector>

namespace sparlin::platform {

class ChildList {
 public:
  // Held while a child is forked and entered, so that EndChildProcesses
  // cannot miss it; false (and nothing may be started) once they were ended.
  std::unique_lock<std::mutex> LockForStart(bool& allowed);
  // With the lock of LockForStart held.
  void Add(pid_t pid, bool own_group);
  void Remove(pid_t pid);

  void EndAll();
  bool Ended();

 private:
  bool Empty();
  void SignalAll(int signal_number);

  std::mutex mutex_;
  struct Child {
    pid_t pid;
    bool own_group;
  };
  std::vector<Child> children_;
  bool ended_ = false;
};

ChildList& Children();

}  // namespace sparlin::platform
