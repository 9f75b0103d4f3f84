#include "platform/worker_thread.h"

#include <system_error>
#include <thread>

namespace sparlin::platform {

bool StartDetachedThread(std::function<void()> work) {
  try {
    std::thread(std::move(work)).detach();
    return true;
  } catch (const std::system_error&) {
    return false;  // no thread for want of resources
  }
}

}  // namespace sparlin::platform
