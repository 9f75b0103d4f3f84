#include "platform/posix/posix_children.h"

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/child_processes.h"

namespace sparlin::platform {

std::unique_lock<std::mutex> ChildList::LockForStart(bool& allowed) {
  std::unique_lock<std::mutex> lock(mutex_);
  allowed = !ended_;
  return lock;
}

void ChildList::Add(pid_t pid, bool own_group) { children_.push_back({pid, own_group}); }

void ChildList::Remove(pid_t pid) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (size_t i = 0; i < children_.size(); ++i) {
    if (children_[i].pid == pid) {
      children_[i] = children_.back();
      children_.pop_back();
      return;
    }
  }
}

bool ChildList::Empty() {
  std::lock_guard<std::mutex> lock(mutex_);
  return children_.empty();
}

void ChildList::SignalAll(int signal_number) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (const Child& child : children_) {
    // A compiler's group holds the helpers it started as well.
    if (!child.own_group || ::kill(-child.pid, signal_number) != 0) ::kill(child.pid, signal_number);
  }
}

void ChildList::EndAll() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ended_ = true;
  }
  SignalAll(SIGTERM);
  // The waiters reap them; what has not ended after the grace period is killed.
  constexpr auto kGrace = std::chrono::seconds(2);
  auto deadline = std::chrono::steady_clock::now() + kGrace;
  while (!Empty() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  SignalAll(SIGKILL);
}

bool ChildList::Ended() {
  std::lock_guard<std::mutex> lock(mutex_);
  return ended_;
}

ChildList& Children() {
  static ChildList children;
  return children;
}

void EndChildProcesses() { Children().EndAll(); }
bool ChildProcessesEnded() { return Children().Ended(); }

}  // namespace sparlin::platform
