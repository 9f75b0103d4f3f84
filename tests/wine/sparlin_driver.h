// Drives a running Sparlin.exe from outside, as a user would: finds its
// windows by caption and its controls by number, reads what they show and
// presses buttons.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>

namespace sparlin::wine_tests {

inline constexpr wchar_t kTitle[] = L"Sparlin v0.9.8.6 beta";

struct Box {
  int x, y, w, h;
  bool operator==(const Box&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Box& box);

// Polls `done` every 20 ms for up to `ms` milliseconds.
bool WaitFor(const std::function<bool()>& done, int ms = 15000);

class SparlinProcess {
 public:
  // Starts Sparlin.exe in `folder` with the parameters and the environment
  // variables given (an empty value removes the variable).
  SparlinProcess(const std::wstring& folder, const std::wstring& parameters,
                 const std::map<std::wstring, std::wstring>& env);
  ~SparlinProcess();

  bool started() const { return main_ != nullptr && settings_ != nullptr; }
  HWND main() const { return main_; }
  HANDLE process() const { return process_.hProcess; }
  HWND settings() const { return settings_; }

  // A control of a window (searched among all its descendants) by number.
  static HWND Control(HWND window, int control);
  HWND MainControl(int control) const { return Control(main_, control); }
  HWND SettingsControl(int control) const { return Control(settings_, control); }
  HWND LogView() const { return MainControl(0); }

  // A top-level window of this process with that caption (dialogs, message
  // boxes), or null.
  HWND FindOwnWindow(const std::wstring& caption) const;

  // Asks the main window to close and gives the exit code; ~0u when the
  // process did not end in time.
  DWORD CloseAndWait();

 private:
  HWND main_ = nullptr;
  HWND settings_ = nullptr;
  PROCESS_INFORMATION process_{};
};

std::wstring Text(HWND window);
// Position relative to the client area of `relative_to`, and size.
Box BoxOf(HWND window, HWND relative_to);
Box ClientSize(HWND window);
void Click(HWND button);        // BM_CLICK, returns when the command returned
void PostClick(HWND button);    // for buttons that open a modal dialog
// Sets an outer window size that gives the inner size W x H.
void SetInnerSize(HWND window, int width, int height);

// A push button of a dialog itself (the file dialog's toolbar shares IDOK).
HWND DialogButton(HWND dialog, int id);

// Presses Save Log and waits for the file dialog; gives it, or null.
HWND OpenSaveLogDialog(const SparlinProcess& app);
// The file name field of the file dialog.
HWND FileNameField(HWND dialog);
// Types `path` into the open file dialog and presses its Save button.
void ChooseFile(HWND dialog, const std::wstring& path);
// Answers the "Open Log File..." question with No; false when it did not
// come.
bool DeclineToOpenTheLog(const SparlinProcess& app);

}  // namespace sparlin::wine_tests
