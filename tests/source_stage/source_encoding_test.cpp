#include "source_stage/source_encoding.h"

#include <gtest/gtest.h>

#include <optional>

#include "source_stage/macro_removal.h"
#include "source_stage/source_stage_fixtures.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace sparlin {
namespace {

using testing::ReplacementBlock;
using testing::FakeBuild;
using testing::RecordedMessage;
using testing::TempDir;

// "A", e acute, euro sign, G clef (outside the 16-bit range), "\r\n", as the
// compiler writes it: UTF-8 without a mark.
const std::string kCompilerOutput = "A\xc3\xa9\xe2\x82\xac\xf0\x9d\x84\x9e\r\n";

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

class ConvertSourceEncodingTest : public ::testing::Test {
 protected:
  // Runs the step on a preprocessed file holding `bytes`; the log already
  // holds the stage header, as in a build. With `blocked`, the file cannot
  // be replaced.
  bool Convert(TextEncoding format, const std::string& bytes, bool blocked = false) {
    dir.Write("prog_Sparl.pb", bytes);
    std::optional<ReplacementBlock> block;
    if (blocked) block.emplace(dir, "prog_Sparl.pb");
    build.state.globals.OptimizedSourcePath = dir.File("prog_Sparl.pb");
    build.state.source.SourceFormat = format;
    build.log.Append(u"HEADER");
    return ConvertSourceEncoding(build.ctx);
  }
  std::string File() const { return dir.Read("prog_Sparl.pb"); }

  TempDir dir;
  FakeBuild build;
};

struct EncodingCase {
  TextEncoding format;
  std::string log;
  std::string file;
};

TEST_F(ConvertSourceEncodingTest, FileTakesTheSourcesMarkAndEncoding) {
  const EncodingCase cases[] = {
      {TextEncoding::kUtf8, "HEADER\r\n\t\xc2\xb7  StringFormat: UTF8\r\n", "\xEF\xBB\xBF" + kCompilerOutput + "\r\n"},
      {TextEncoding::kUtf16LE, "HEADER\r\n\t\xc2\xb7  StringFormat: Unicode\r\n",
       Bytes({0xFF, 0xFE, 0x41, 0, 0xE9, 0, 0xAC, 0x20, 0x34, 0xD8, 0x1E, 0xDD, 0x0D, 0, 0x0A, 0, 0x0D, 0, 0x0A, 0})},
      {TextEncoding::kUtf16BE, "HEADER\r\n",
       Bytes({0xFE, 0xFF, 0, 0x41, 0, 0xE9, 0x20, 0xAC, 0xD8, 0x34, 0xDD, 0x1E, 0, 0x0D, 0, 0x0A, 0, 0x0D, 0, 0x0A})},
      {TextEncoding::kUtf32BE, "HEADER\r\n",
       Bytes({0, 0, 0xFE, 0xFF, 0, 0, 0, 0x41, 0, 0, 0, 0xE9, 0, 0, 0x20, 0xAC, 0, 1, 0xD1, 0x1E,  //
              0, 0, 0, 0x0D, 0, 0, 0, 0x0A, 0, 0, 0, 0x0D, 0, 0, 0, 0x0A})},
  };
  for (const EncodingCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.format));
    FakeBuild one;
    dir.Write("prog_Sparl.pb", kCompilerOutput);
    one.state.globals.OptimizedSourcePath = dir.File("prog_Sparl.pb");
    one.state.source.SourceFormat = c.format;
    one.log.Append(u"HEADER");
    EXPECT_TRUE(ConvertSourceEncoding(one.ctx));
    EXPECT_EQ(one.LogUtf8(), c.log);
    EXPECT_EQ(File(), c.file);
    EXPECT_EQ(one.host.progress, std::vector<int>{17});
    EXPECT_TRUE(one.host.messages.empty());
  }
}

TEST_F(ConvertSourceEncodingTest, SourceWithoutMarkLeavesTheFileAsTheCompilerWroteIt) {
  const std::string ansi = "Debug \"Caf\xe9 cr\xe8me\"\n; no final break";
  EXPECT_TRUE(Convert(TextEncoding::kAscii, ansi));
  EXPECT_EQ(build.LogUtf8(), "HEADER\r\n\t\xc2\xb7  StringFormat: Ascii\r\n");
  EXPECT_EQ(File(), ansi);
  EXPECT_EQ(build.host.progress, std::vector<int>{17});
}

TEST_F(ConvertSourceEncodingTest, ASecondRunAddsNoSecondMark) {
  ASSERT_TRUE(Convert(TextEncoding::kUtf16LE, "Debug 1\r\n"));
  ASSERT_TRUE(ConvertSourceEncoding(build.ctx));
  EXPECT_EQ(File(), "\xFF\xFE" + EncodeText(u"Debug 1\r\n\r\n\r\n", TextEncoding::kUtf16LE));
}

TEST_F(ConvertSourceEncodingTest, UnreadableFileStopsTheBuild) {
  std::filesystem::create_directories(dir.path() / "prog_Sparl.pb");
  build.state.globals.OptimizedSourcePath = dir.File("prog_Sparl.pb");
  build.state.source.SourceFormat = TextEncoding::kUtf8;
  EXPECT_FALSE(ConvertSourceEncoding(build.ctx));
  EXPECT_EQ(build.host.messages,
            (std::vector<RecordedMessage>{{u"Error Convert",
                                           u"Reading " + dir.File("prog_Sparl.pb") + u" was not successful...",
                                           MessageIcon::kError}}));
  EXPECT_EQ(build.LogUtf8(), "\t\xc2\xb7  StringFormat: UTF8\r\n");
}

TEST_F(ConvertSourceEncodingTest, UnwritableFileStopsTheBuildAndKeepsItsContent) {
  EXPECT_FALSE(Convert(TextEncoding::kUtf16LE, kCompilerOutput, true));
  EXPECT_EQ(build.host.messages,
            (std::vector<RecordedMessage>{{u"Error Convert",
                                           u"Writing " + dir.File("prog_Sparl.pb") + u" was not successful...",
                                           MessageIcon::kError}}));
  EXPECT_EQ(File(), kCompilerOutput);
}

// The preprocessed file is missing although the compiler reported success,
// in every encoding: the build stops and no file of the options alone appears.
TEST(ConvertSourceEncodingMissingFileTest, StopsTheBuildInEveryEncoding) {
  for (TextEncoding format : {TextEncoding::kAscii, TextEncoding::kUtf8, TextEncoding::kUtf16LE}) {
    testing::InMemoryBuild build;
    build.state.globals.OptimizedSourcePath = u"C:\\w\\prog_Sparl.pb";
    build.state.source.SourceFormat = format;
    EXPECT_FALSE(ConvertSourceEncoding(build.ctx));
    EXPECT_EQ(build.host.messages,
              (std::vector<RecordedMessage>{
                  {u"Error Convert", u"Reading C:\\w\\prog_Sparl.pb was not successful...", MessageIcon::kError}}));
    EXPECT_TRUE(build.files.files().empty());
  }
}

// A UTF-16 file of odd length: the byte that makes no code unit stays at the
// end of the file through the conversion, a removal pass and the options text.
TEST(OddUtf16FileTest, KeepsItsLastByteThroughEveryRewrite) {
  const std::string body = EncodeText(u"Macro M\r\nEndMacro\r\nDebug 1", TextEncoding::kUtf16LE);
  const std::string file = "\xFF\xFE" + body + "\x41";
  EXPECT_EQ(ConvertedPreprocessedBytes(file, TextEncoding::kUtf16LE),
            "\xFF\xFE" + body + EncodeText(u"\r\n", TextEncoding::kUtf16LE) + "\x41");

  testing::InMemoryBuild build;
  build.state.globals.OptimizedSourcePath = u"C:\\w\\prog_Sparl.pb";
  build.state.source.SourceFormat = TextEncoding::kUtf16LE;
  build.files.Write(build.state.globals.OptimizedSourcePath, file);
  RemoveMacros(build.ctx);
  EXPECT_EQ(build.files.Read(build.state.globals.OptimizedSourcePath),
            "\xFF\xFE" + EncodeText(u"Debug 1\r\r\n", TextEncoding::kUtf16LE) + "\x41");
}

}  // namespace
}  // namespace sparlin
