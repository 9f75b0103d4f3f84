#include "core/run_log.h"

#include <gtest/gtest.h>

#include "support/fake_host.h"

namespace sparlin {
namespace {

using testing::FakeHost;

TEST(RunLog, EachAppendStartsOnANewLine) {
  FakeHost host;
  RunLog log(host);
  log.Append(u"first\r\n");
  log.Append(u"");
  log.Append(u"\tSkipped!");
  EXPECT_EQ(log.Text(), u"first\r\n\r\n\r\n\tSkipped!");
  EXPECT_EQ(host.log_chunks, (std::vector<UString>{u"first\r\n", u"\r\n", u"\r\n\tSkipped!"}));
}

TEST(RunLog, BannerAndHeadersAreExact) {
  EXPECT_EQ(EncodeUtf8(BannerEntry(u"Sparlin v0.9.8.6 beta")),
            "\r\n\r\n ---  Sparlin v0.9.8.6 beta  " + std::string(91, '-') + "\r\n");
  EXPECT_EQ(EncodeUtf8(CompilerPathEntry(u"C:\\PB\\Compilers\\pbcompiler.exe")),
            "\r\n\t\xC2\xB7  Compiler:   \t\"C:\\PB\\Compilers\\pbcompiler.exe\"");
  EXPECT_EQ(EncodeUtf8(SourcePathEntry(u"C:\\a b\\x.pb")), "\r\n\t\xC2\xB7  Source file:\t\"C:\\a b\\x.pb\"");
  EXPECT_EQ(EncodeUtf8(OutputPathEntry(u".exe")), "\r\n\t\xC2\xB7  Output file:\t\".exe\"\r\n");
  EXPECT_EQ(EncodeUtf8(PreprocessHeader()), "\r\n ---  PREPROCESS  " + std::string(104, '-') + "\r\n");
  EXPECT_EQ(EncodeUtf8(AsmHeader()), "\r\n ---  ASM  " + std::string(121, '-') + "\r\n");
  EXPECT_EQ(EncodeUtf8(ReasmHeader()), " ---  REASM  " + std::string(116, '-') + "\r\n");
}

TEST(RunLog, TimeHasOneDecimal) {
  EXPECT_EQ(TimeEntry(3400), u"\tTime: 3.4s\r\n\r\n");
  EXPECT_EQ(TimeEntry(0), u"\tTime: 0.0s\r\n\r\n");
  EXPECT_EQ(TimeEntry(12049), u"\tTime: 12.0s\r\n\r\n");
  EXPECT_EQ(TimeEntry(61550), u"\tTime: 61.5s\r\n\r\n");
}

TEST(RunLog, SavedFileAndProposedName) {
  EXPECT_EQ(LogFileBytes(u"a\r\n\t\u00B7  b"), "a\r\n\t\xC2\xB7  b\r\n");
  EXPECT_EQ(ProposedLogFileName(u"C:\\w\\demo_Sparl.pb", 2026, 12, 7, 14, 23, 5), u"C:\\w\\Sparl_261207_142305.txt");
  EXPECT_EQ(ProposedLogFileName(u"_Sparl.", 2031, 1, 2, 3, 4, 5), u"Sparl_310102_030405.txt");
}

}  // namespace
}  // namespace sparlin
