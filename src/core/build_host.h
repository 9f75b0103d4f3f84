// The only way the stages reach the user interface. The Win32 windows, the
// command-line front end and the tests' recording fake implement it.
#pragma once

#include "core/options.h"
#include "text/ustring.h"

namespace sparlin {

enum class MessageIcon { kError, kWarning, kInformation };
enum class Sound { kError, kInformation };

// Control numbers of the main window's buttons (one number space with the
// Settings window).
enum ControlId : int {
  kControlLogView = 0,
  kControlCompile = 1,
  kControlOpenFolder = 2,
  kControlRunOutput = 3,
  kControlOpenAsm = 4,
  kControlOpenPb = 5,
  kControlContainer = 6,
  kControlSettings = 7,
  kControlDonate = 8,
  kControlSaveLog = 9,
  kControlProgress = 10,
  kControlClose = 37,
};

class BuildHost {
 public:
  virtual ~BuildHost() = default;

  // Text added to the end of the log view, exactly as it is to appear there
  // (RunLog has already put the "\r\n" before it when the log was not empty).
  // The view's caret goes to the end and its selection is cleared.
  virtual void LogAppended(const UString& chunk) = 0;
  // The same chunk in UTF-8, as the run log holds it; a front end that
  // shows UTF-8 takes it as it is, without a conversion.
  virtual void LogAppendedUtf8(std::string_view chunk) { LogAppended(DecodeUtf8(chunk)); }
  virtual void SetProgress(int percent) = 0;
  virtual void EnableButton(int control) = 0;

  // The live option value of a checkbox or number field.
  virtual int OptionValue(Option option) = 0;
  // The Suffix field's text, exactly as typed.
  virtual UString SuffixText() = 0;

  virtual void ShowMessage(const UString& title, const UString& text, MessageIcon icon) = 0;
  virtual void PlaySound(Sound sound) = 0;
  virtual void PlayTone(int hertz, int milliseconds) = 0;
};

}  // namespace sparlin
