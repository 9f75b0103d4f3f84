// The desktop shell and the system sounds.
#include "platform/os_calls.h"
#include "platform/platform.h"
#include "platform/win32/windows_api.h"

#include <shellapi.h>

namespace sparlin::platform {

bool ShellOpen(UStringView target, UStringView working_folder) {
  std::wstring file = win32::Wide(target);
  std::wstring folder = win32::Wide(working_folder);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  info.lpFile = file.c_str();
  info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
  info.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&info) != 0;
}

void PlaySystemSound(SystemSound sound) {
  MessageBeep(sound == SystemSound::kError ? MB_ICONHAND : MB_ICONASTERISK);
}

void PlayTone(int hertz, int milliseconds) {
  Beep(static_cast<DWORD>(hertz), static_cast<DWORD>(milliseconds));
}

}  // namespace sparlin::platform
