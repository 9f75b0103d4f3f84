// The run log: the text of the log view, grown by appends from the main
// thread at start-up and from the build thread during a build.
#pragma once

#include <mutex>

#include "core/build_host.h"
#include "text/ustring.h"

namespace sparlin {

class RunLog {
 public:
  explicit RunLog(BuildHost& host) : host_(host) {}

  // Appends `text` on a new line: when the log already holds text, a "\r\n"
  // is inserted before it. Appending the empty text thus adds a line break.
  void Append(const UString& text);
  void Append(std::string_view utf8) { Append(U(utf8)); }

  // A copy of the whole text (safe while another thread appends).
  UString Text() const;

 private:
  BuildHost& host_;
  mutable std::mutex mutex_;
  UString text_;
};

// The fixed entries of the log.
UString BannerEntry(const UString& title);
UString CompilerPathEntry(const UString& compiler_path);
UString SourcePathEntry(const UString& source_path);
UString OutputPathEntry(const UString& output_path);
UString PreprocessHeader();
UString AsmHeader();
UString ReasmHeader();
// "\tTime: " + seconds with one decimal + "s\r\n\r\n".
UString TimeEntry(uint64_t elapsed_ms);

// The log as a file: the text followed by "\r\n", UTF-8 without a mark.
std::string LogFileBytes(const UString& log_text);
// "Sparl_" + yymmdd_hhiiss + ".txt" in the folder of `optimized_source_path`.
UString ProposedLogFileName(const UString& optimized_source_path, int year, int month, int day, int hour,
                            int minute, int second);

}  // namespace sparlin
