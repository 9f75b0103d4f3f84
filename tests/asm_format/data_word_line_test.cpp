#include "asm_format/data_word_line.h"

#include <gtest/gtest.h>

namespace sparlin {
namespace {

TEST(DecodeDataWordLineTest, ReadsTheValuesBeforeTheTerminator) {
  // A static string of the real x64 DialogManager assembly: "Memory Error".
  EXPECT_EQ(DecodeDataWordLine(u"_S113: dw 77,101,109,111,114,121,32,69,114,114,111,114,0"), u"Memory Error");
  EXPECT_EQ(DecodeDataWordLine(u"_S3: dw 0"), u"");
  // Hexadecimal, binary, signs, spacing inside a value, low 16 bits only.
  EXPECT_EQ(DecodeDataWordLine(u"_S1: dw $41,%1000010,+67,-65471,\t68,65601,0"), u"ABCADA");
  EXPECT_EQ(DecodeDataWordLine(u"_S1: dw $6a,$6A,0"), u"jj");
  // Reading stops at the first character that is not a digit; no digits is 0.
  EXPECT_EQ(DecodeDataWordLine(u"_S1: dw 65x9,$G,0"), UString(u"A") + u'\0');
}

TEST(DecodeDataWordLineTest, LinesThatAreNotDataWordLinesGiveNothing) {
  EXPECT_EQ(DecodeDataWordLine(u"_SYS_StaticStringStart:"), u"");
  EXPECT_EQ(DecodeDataWordLine(u"pb_public PB_NullString"), u"");
  EXPECT_EQ(DecodeDataWordLine(u"  dw     0"), u"");
  // Two blanks before "dw": not a data-word line.
  EXPECT_EQ(DecodeDataWordLine(u"_S1:  dw 65,66,0"), u"");
  // Two blanks before the values: the third word is empty.
  EXPECT_EQ(DecodeDataWordLine(u"_S1: dw  65,66,0"), u"");
  // A list without a comma holds only the terminator.
  EXPECT_EQ(DecodeDataWordLine(u"_S1: dw 65"), u"");
}

TEST(DecodeDataWordLineTest, AListWithoutItsTerminatorLosesItsLastValue) {
  EXPECT_EQ(DecodeDataWordLine(u"_S1: dw 65,66,"), u"AB");
  EXPECT_EQ(DecodeDataWordLine(u"_S1: dw 65,66"), u"A");
  // A continuation line carries no label and no ": dw ".
  EXPECT_EQ(DecodeDataWordLine(u"dw 67,0"), u"");
}

TEST(StripFolderFromDataWordLineTest, RewritesTheStringWithoutTheFolder) {
  // C:\Src\a.txt
  EXPECT_EQ(StripFolderFromDataWordLine(u"_S1: dw 67,58,92,83,114,99,92,97,46,116,120,116,0", u"C:\\Src\\"),
            u"_S1: dw 97,46,116,120,116,0");
  // Every occurrence goes, in any letter case, once the exact case is present;
  // hexadecimal values and the comma of the text come out in decimal.
  EXPECT_EQ(StripFolderFromDataWordLine(
                u"_S7: dw $43,58,92,83,114,99,92,44,99,58,92,115,114,99,92,98,0", u"C:\\Src\\"),
            u"_S7: dw 44,98,0");
  // A string that is only the folder becomes the terminator alone.
  EXPECT_EQ(StripFolderFromDataWordLine(u"_S2: dw 67,58,92,83,114,99,92,0", u"C:\\Src\\"), u"_S2: dw 0");
}

TEST(StripFolderFromDataWordLineTest, LeavesOtherLinesToTheCaller) {
  // The folder only in another letter case: c:\src\a
  EXPECT_EQ(StripFolderFromDataWordLine(u"_S1: dw 99,58,92,115,114,99,92,97,0", u"C:\\Src\\"), u"");
  EXPECT_EQ(StripFolderFromDataWordLine(u"_S1: dw 97,0", u"C:\\Src\\"), u"");
  EXPECT_EQ(StripFolderFromDataWordLine(u"_S1: dw 97,0", u""), u"");
  EXPECT_EQ(StripFolderFromDataWordLine(u"_S1:  dw 67,58,92,83,114,99,92,97,0", u"C:\\Src\\"), u"");
  EXPECT_EQ(StripFolderFromDataWordLine(u"_SYS_StaticStringEnd:", u"C:\\Src\\"), u"");
}

}  // namespace
}  // namespace sparlin
