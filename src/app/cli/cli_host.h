// The command-line front end's host: the log on standard output, message
// boxes and (with --trace) every user-interface effect on standard error.
#pragma once

#include <vector>

#include "app/app_host.h"
#include "app/build_report.h"
#include "core/options.h"

namespace sparlin {

class CliHost : public AppHost {
 public:
  CliHost(OptionValues options, bool trace) : options_(std::move(options)), trace_(trace) {}

  void LogAppended(const UString& chunk) override;
  void LogAppendedUtf8(std::string_view chunk) override;
  void SetProgress(int percent) override;
  void EnableButton(int control) override;
  int OptionValue(Option option) override { return options_.Get(option); }
  UString SuffixText() override { return options_.suffix; }
  void ShowMessage(const UString& title, const UString& text, MessageIcon icon) override;
  void PlaySound(Sound sound) override;
  void PlayTone(int hertz, int milliseconds) override;
  void SetMainWindowEnabled(bool) override {}
  void BringMainWindowToFront() override {}

  const OptionValues& options() const { return options_; }
  // Every message shown, in order (for the build report).
  const std::vector<ShownMessage>& messages() const { return messages_; }

 private:
  void Trace(const std::string& line);

  OptionValues options_;
  bool trace_;
  std::vector<ShownMessage> messages_;
};

}  // namespace sparlin
