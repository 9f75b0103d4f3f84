#include "platform/win32/windows_api.h"  // first: the system headers below need it

#include <commctrl.h>

#include <string>

#include "app/win32/app.h"
#include "app/win32/log_view.h"
#include "app/win32/settings_window.h"
#include "platform/platform.h"

namespace sparlin::win32 {

App& TheApp() {
  static App app;
  return app;
}

void WindowHost::LogAppended(const UString& chunk) {
  // The main thread's own appends (the banner) go straight into the view;
  // the build thread's wait in the feed, in order, and the event loop shows
  // them piece by piece. The build thread thus never waits for the view.
  if (GetCurrentThreadId() == app_.main_thread && app_.log_feed.Empty() && chunk.size() <= LogFeed::kPieceUnits) {
    AppendToLogView(ViewTextOf(chunk));
  } else if (app_.log_feed.Push(ViewTextOf(chunk))) {
    PostMessageW(app_.main, kLogPendingMessage, 0, 0);
  }
}

void WindowHost::SetProgress(int percent) {
  SendMessageW(GetDlgItem(app_.main, kControlProgress), PBM_SETPOS, static_cast<WPARAM>(percent), 0);
}

void WindowHost::EnableButton(int control) { EnableWindow(GetDlgItem(app_.main, control), TRUE); }

int WindowHost::OptionValue(Option option) { return ReadOptionControl(option); }

UString WindowHost::SuffixText() { return ReadOptionControls().suffix; }

void WindowHost::ShowMessage(const UString& title, const UString& text, MessageIcon icon) {
  UINT type = MB_OK;
  switch (icon) {
    case MessageIcon::kError: type |= MB_ICONERROR; break;
    case MessageIcon::kWarning: type |= MB_ICONWARNING; break;
    case MessageIcon::kInformation: type |= MB_ICONINFORMATION; break;
  }
  MessageBoxW(app_.main, Wide(text).c_str(), Wide(title).c_str(), type);
}

void WindowHost::PlaySound(Sound sound) {
  platform::PlaySystemSound(sound == Sound::kError ? platform::SystemSound::kError
                                                   : platform::SystemSound::kInformation);
}

void WindowHost::PlayTone(int hertz, int milliseconds) { platform::PlayTone(hertz, milliseconds); }

void WindowHost::SetMainWindowEnabled(bool enabled) { EnableWindow(app_.main, enabled ? TRUE : FALSE); }

void WindowHost::BringMainWindowToFront() { SetForegroundWindow(app_.main); }

}  // namespace sparlin::win32
