// Stop signals on POSIX: blocked in every thread and taken by one watcher
// thread with sigwait, so that the program ends its children and runs its
// exit steps instead of vanishing at once.
#include <pthread.h>
#include <signal.h>

#include <thread>

#include "platform/stop_signals.h"

namespace sparlin::platform {

void WatchStopSignals(std::function<void(int signal_number)> on_stop) {
  sigset_t stops;
  ::sigemptyset(&stops);
  for (int s : {SIGINT, SIGTERM, SIGHUP}) ::sigaddset(&stops, s);
  // Threads started from here on inherit the mask.
  ::pthread_sigmask(SIG_BLOCK, &stops, nullptr);
  std::thread([stops, on_stop = std::move(on_stop)] {
    int received = 0;
    while (::sigwait(&stops, &received) != 0) {
    }
    on_stop(received);
    // Later requests stay blocked: the first one is being answered.
  }).detach();
}

}  // namespace sparlin::platform
