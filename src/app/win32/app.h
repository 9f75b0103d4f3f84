// The one instance of the Windows program: its windows, its launch session
// and the host through which the build reaches the windows.
#pragma once

#include <memory>

#include "app/app_host.h"
#include "app/session.h"
#include "app/settings_file.h"
#include "app/win32/log_feed.h"
#include "platform/win32/windows_api.h"

namespace sparlin::win32 {

// Posted to the main window when log text waits in the feed after none did:
// wakes the event loop, which moves the pieces into the view.
constexpr UINT kLogPendingMessage = WM_APP + 2;
// Posted to the main window by the build's thread when the build is done.
constexpr UINT kBuildEndedMessage = WM_APP + 3;

// The AppHost of the windows. Worker threads call it; every call reaches the
// controls through window messages, which the main thread dispatches.
struct App;
class WindowHost : public AppHost {
 public:
  explicit WindowHost(App& app) : app_(app) {}

  void LogAppended(const UString& chunk) override;
  void SetProgress(int percent) override;
  void EnableButton(int control) override;
  int OptionValue(Option option) override;
  UString SuffixText() override;
  void ShowMessage(const UString& title, const UString& text, MessageIcon icon) override;
  void PlaySound(Sound sound) override;
  void PlayTone(int hertz, int milliseconds) override;
  void SetMainWindowEnabled(bool enabled) override;
  void BringMainWindowToFront() override;

 private:
  App& app_;
};

struct App {
  HWND main = nullptr;
  HWND settings = nullptr;
  HWND log_view = nullptr;
  HBRUSH settings_brush = nullptr;
  LogFeed log_feed;
  WindowHost host{*this};
  SettingsFile settings_file;
  std::unique_ptr<Session> session;
  DWORD main_thread = 0;
};

App& TheApp();

}  // namespace sparlin::win32
