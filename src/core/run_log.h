// The run log: the text of the log view, grown by appends from the main
// thread at start-up and from the build thread during a build.
#pragma once

#include <functional>
#include <initializer_list>
#include <mutex>
#include <string>

#include "core/build_host.h"
#include "text/ustring.h"

namespace sparlin {

class RunLog {
 public:
  explicit RunLog(BuildHost& host) : host_(host) {}
  ~RunLog();
  RunLog(const RunLog&) = delete;
  RunLog& operator=(const RunLog&) = delete;

  // Appends `text` on a new line: when the log already holds text, a "\r\n"
  // is inserted before it. Appending the empty text thus adds a line break.
  void Append(const UString& text);
  void Append(std::string_view utf8);

  // One entry written in parts, for a compiler run's output: the parts go
  // straight into the log's own buffer, and the entry becomes visible (to
  // Text and to the view) at once when it ends. One writer at a time.
  void BeginEntry();
  void AddToEntry(std::initializer_list<std::string_view> utf8_parts);
  void EndEntry();

  // A copy of the whole text (safe while another thread appends).
  UString Text() const;
  std::string Utf8Text() const;
  // Hands the log as a file (LogFileBytes) to `write` and gives its result.
  // The bytes are the log's own buffer where they can be, so that a long log
  // is not copied to be saved.
  bool WriteFileBytes(const std::function<bool(std::string_view bytes)>& write) const;

 private:
  void Reserve(size_t needed);

  BuildHost& host_;
  mutable std::mutex mutex_;
  // UTF-8 text: [0, committed_) is the log, [committed_, size_) the entry
  // being written. The block always has two bytes to spare after the text,
  // so that the file's final line break never needs a new block.
  char* data_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
  size_t committed_ = 0;
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
