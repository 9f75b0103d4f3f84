// A BuildHost that records every effect, for the tests of the stages.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/build_host.h"
#include "core/build_state.h"
#include "core/run_log.h"
#include "support/memory_file_system.h"

namespace sparlin::testing {

struct RecordedMessage {
  UString title;
  UString text;
  MessageIcon icon;
  bool operator==(const RecordedMessage&) const = default;
};
inline void PrintTo(const RecordedMessage& m, std::ostream* out) {
  *out << "[" << EncodeUtf8(m.title) << "] " << EncodeUtf8(m.text);
}

class FakeHost : public BuildHost {
 public:
  FakeHost() : options(OptionValues::Created()) {}

  void LogAppended(const UString& chunk) override { log_chunks.push_back(chunk); }
  void SetProgress(int percent) override { progress.push_back(percent); }
  void EnableButton(int control) override { enabled.push_back(control); }
  int OptionValue(Option option) override { return options.Get(option); }
  UString SuffixText() override { return options.suffix; }
  void ShowMessage(const UString& title, const UString& text, MessageIcon icon) override {
    messages.push_back({title, text, icon});
  }
  void PlaySound(Sound sound) override { sounds.push_back(sound); }
  void PlayTone(int hertz, int milliseconds) override { tones.emplace_back(hertz, milliseconds); }

  OptionValues options;
  std::vector<UString> log_chunks;
  std::vector<int> progress;
  std::vector<int> enabled;
  std::vector<RecordedMessage> messages;
  std::vector<Sound> sounds;
  std::vector<std::pair<int, int>> tones;
};

// A host, a log and a state wired together, as one build sees them.
struct FakeBuild {
  FakeHost host;
  RunLog log{host};
  BuildState state;
  BuildContext ctx{state, host, log, platform::SystemFileSystem(), platform::SystemProcessLauncher()};

  // The log text in UTF-8, for whole-text comparisons.
  std::string LogUtf8() const { return EncodeUtf8(log.Text()); }
};

// The same on the in-memory file system.
struct InMemoryBuild {
  MemoryFileSystem files;
  FakeHost host;
  RunLog log{host};
  BuildState state;
  BuildContext ctx{state, host, log, files, platform::SystemProcessLauncher()};

  std::string LogUtf8() const { return EncodeUtf8(log.Text()); }
};

}  // namespace sparlin::testing
