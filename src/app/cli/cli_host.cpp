#include "app/cli/cli_host.h"

#include <cstdio>

namespace sparlin {

void CliHost::LogAppended(const UString& chunk) { LogAppendedUtf8(EncodeUtf8(chunk)); }

void CliHost::LogAppendedUtf8(std::string_view chunk) {
  std::fwrite(chunk.data(), 1, chunk.size(), stdout);
  std::fflush(stdout);
}

void CliHost::Trace(const std::string& line) {
  if (!trace_) return;
  std::fputs((line + "\n").c_str(), stderr);
  std::fflush(stderr);
}

void CliHost::SetProgress(int percent) { Trace("[progress " + std::to_string(percent) + "]"); }
void CliHost::EnableButton(int control) { Trace("[enable " + std::to_string(control) + "]"); }

void CliHost::ShowMessage(const UString& title, const UString& text, MessageIcon) {
  messages_.push_back({title, text});
  std::string body;
  for (char c : EncodeUtf8(text)) {
    if (c == '\n') body += "\\n";
    else body += c;
  }
  std::string line = "[message " + EncodeUtf8(title) + "] " + body + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

void CliHost::PlaySound(Sound sound) {
  Trace(sound == Sound::kError ? "[beep error]" : "[beep information]");
}

void CliHost::PlayTone(int hertz, int milliseconds) {
  Trace("[beep " + std::to_string(hertz) + " " + std::to_string(milliseconds) + "]");
}

}  // namespace sparlin
