#include "core/run_log.h"

#include <cstdio>

#include "text/paths.h"

namespace sparlin {

void RunLog::Append(const UString& text) {
  UString chunk;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    chunk = text_.empty() ? text : u"\r\n" + text;
    text_ += chunk;
  }
  // Outside the lock: the view may wait for the main thread, which may be
  // reading the text for Save Log at that moment. There is one writer at a
  // time, so the chunks still reach the view in order.
  host_.LogAppended(chunk);
}

UString RunLog::Text() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return text_;
}

UString BannerEntry(const UString& title) {
  return u"\r\n\r\n ---  " + title + u"  " + UString(91, u'-') + u"\r\n";
}

UString CompilerPathEntry(const UString& compiler_path) {
  return u"\r\n\t\u00B7  Compiler:   \t\"" + compiler_path + u"\"";
}

UString SourcePathEntry(const UString& source_path) {
  return u"\r\n\t\u00B7  Source file:\t\"" + source_path + u"\"";
}

UString OutputPathEntry(const UString& output_path) {
  return u"\r\n\t\u00B7  Output file:\t\"" + output_path + u"\"\r\n";
}

UString PreprocessHeader() { return u"\r\n ---  PREPROCESS  " + UString(104, u'-') + u"\r\n"; }
UString AsmHeader() { return u"\r\n ---  ASM  " + UString(121, u'-') + u"\r\n"; }
UString ReasmHeader() { return u" ---  REASM  " + UString(116, u'-') + u"\r\n"; }

UString TimeEntry(uint64_t elapsed_ms) {
  // Single precision, as the elapsed time has always been computed.
  float seconds = static_cast<float>(elapsed_ms) / 1000.0f;
  char text[64];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(seconds));
  return u"\tTime: " + U(text) + u"s\r\n\r\n";
}

std::string LogFileBytes(const UString& log_text) { return EncodeUtf8(log_text + u"\r\n"); }

UString ProposedLogFileName(const UString& optimized_source_path, int year, int month, int day, int hour,
                            int minute, int second) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%02d%02d%02d_%02d%02d%02d", year % 100, month % 100, day % 100,
                hour % 100, minute % 100, second % 100);
  return PathFolder(optimized_source_path) + u"Sparl_" + U(stamp) + u".txt";
}

}  // namespace sparlin
