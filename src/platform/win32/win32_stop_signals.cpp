// Stop requests on Windows: the console's control events. The handler runs on
// a thread the system starts for it.
#include <signal.h>

#include <atomic>
#include <utility>

#include "platform/stop_signals.h"
#include "platform/win32/windows_api.h"

namespace sparlin::platform {
namespace {

std::function<void(int)>& StopHandler() {
  static std::function<void(int)> handler;
  return handler;
}

BOOL WINAPI OnConsoleControl(DWORD event) {
  static std::atomic<bool> answered{false};
  int number = event == CTRL_C_EVENT ? SIGINT : event == CTRL_BREAK_EVENT ? SIGBREAK : SIGTERM;
  if (!answered.exchange(true)) StopHandler()(number);
  return TRUE;
}

}  // namespace

void WatchStopSignals(std::function<void(int signal_number)> on_stop) {
  StopHandler() = std::move(on_stop);
  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

}  // namespace sparlin::platform
