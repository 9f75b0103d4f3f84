#include "app/settings_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace sparlin {
namespace {

using testing::TempDir;

const std::string kCreated =
    "\xEF\xBB\xBF\r\n"
    "; Sparlin\r\n"
    "; \r\n"
    "[Settings]\r\n"
    "CreatePB = 1\r\n"
    "Suffix = _Sparl\r\n"
    "RemMacro = 1\r\n"
    "RemProcs = 1\r\n"
    "CreateASM = 1\r\n"
    "RemComments = 1\r\n"
    "RemEmpty = 1\r\n"
    "RemAbsolut = 1\r\n"
    "InsEmpty = 0\r\n"
    "nEmpty = 1\r\n"
    "RemUncalled = 1\r\n"
    "InsNOP = 0\r\n"
    "nNOP = 1\r\n"
    "ImgPlugin = 1\r\n"
    "CreateOUT = 1\r\n"
    "CopyDLL = 1\r\n"
    "GenLic = 1\r\n"
    "DelOnExit = 0\r\n";

TEST(SettingsFile, IsCreatedByteForByteAndReadsBackAsCreated) {
  EXPECT_EQ(CreatedSettingsFileBytes(), kCreated);
  OptionValues values = ParseSettings(kCreated);
  EXPECT_EQ(values.values, OptionValues::Created().values);
  EXPECT_EQ(values.suffix, u"_Sparl");
  EXPECT_EQ(values.Get(Option::InsNOP), 0);
  EXPECT_EQ(values.Get(Option::DelOnExit), 0);
}

TEST(SettingsFile, ReadsKeysWithoutRegardToCaseAndFillsMissingOnes) {
  std::string file =
      "\xEF\xBB\xBF\r\n[Other]\r\nInsEmpty = 0\r\n[settings]\r\ncreatepb = 0\r\nNEMPTY = 250\r\nnNOP = -3\r\n"
      "RemEmpty = yes\r\nRemComments = 7\r\nSuffix = \r\n";
  OptionValues v = ParseSettings(file);
  EXPECT_EQ(v.Get(Option::CreatePB), 0);
  EXPECT_EQ(v.Get(Option::nEmpty), 99);   // clamped into the field's range
  EXPECT_EQ(v.Get(Option::nNOP), 1);
  EXPECT_EQ(v.Get(Option::RemEmpty), 0);  // not a number reads as 0
  EXPECT_EQ(v.Get(Option::RemComments), 1);
  EXPECT_EQ(v.Get(Option::InsEmpty), 1);  // only the Settings group counts; missing gives 1
  EXPECT_EQ(v.Get(Option::InsNOP), 1);
  EXPECT_EQ(v.Get(Option::DelOnExit), 0);
  EXPECT_EQ(v.suffix, u"");
  // A later group ends the Settings group: its keys are not the program's.
  OptionValues later = ParseSettings("[Settings]\r\nCreatePB = 0\r\n[Other]\r\nDelOnExit = 1\r\nSuffix = _x\r\n");
  EXPECT_EQ(later.Get(Option::CreatePB), 0);
  EXPECT_EQ(later.Get(Option::DelOnExit), 0);
  EXPECT_EQ(later.suffix, u"_Sparl");
}

TEST(SettingsFile, SaveKeepsOtherLinesAndAddsMissingKeysToTheGroup) {
  std::string file =
      "\xEF\xBB\xBF\r\n; Sparlin\r\n; my note\r\n[Settings]\r\nCreatePB = 1\r\nsuffix = _old\r\nunknown = 5\r\n"
      "\r\n[Later]\r\nx = 1\r\n";
  OptionValues v = OptionValues::Created();
  v.suffix = u" _new ";
  v.Set(Option::CreatePB, 0);
  std::string saved = UpdateSettings(file, v);
  std::string expected =
      "\xEF\xBB\xBF\r\n; Sparlin\r\n; my note\r\n[Settings]\r\nCreatePB = 0\r\nSuffix =  _new \r\nunknown = 5\r\n"
      "RemMacro = 1\r\nRemProcs = 1\r\nCreateASM = 1\r\nRemComments = 1\r\nRemEmpty = 1\r\nRemAbsolut = 1\r\n"
      "InsEmpty = 0\r\nnEmpty = 1\r\nRemUncalled = 1\r\nInsNOP = 0\r\nnNOP = 1\r\nImgPlugin = 1\r\n"
      "CreateOUT = 1\r\nCopyDLL = 1\r\nGenLic = 1\r\nDelOnExit = 0\r\n\r\n[Later]\r\nx = 1\r\n";
  EXPECT_EQ(saved, expected);
  // The typed Suffix comes back with its blanks.
  EXPECT_EQ(ParseSettings(saved).suffix, u" _new ");
  // Saving the created file unchanged gives the same bytes.
  EXPECT_EQ(UpdateSettings(kCreated, OptionValues::Created()), kCreated);
}

TEST(SettingsFile, SaveIntoAFileWithoutTheGroupAppendsIt) {
  std::string saved = UpdateSettings("; just a note\r\n", OptionValues::Created());
  EXPECT_EQ(saved, "\xEF\xBB\xBF; just a note\r\n" + kCreated.substr(std::string("\xEF\xBB\xBF\r\n; Sparlin\r\n; \r\n").size()));
}

TEST(SettingsFile, OnDiskCreateLoadSave) {
  TempDir dir;
  SettingsFile file{dir.File("Sparlin.ini")};
  EXPECT_FALSE(file.Load().has_value());
  EXPECT_FALSE(file.Save(OptionValues::Created()));  // a missing file is not saved
  EXPECT_FALSE(dir.Exists("Sparlin.ini"));
  ASSERT_TRUE(file.CreateIfMissing());
  EXPECT_EQ(dir.Read("Sparlin.ini"), kCreated);
  dir.Write("Sparlin.ini", "\xEF\xBB\xBF\r\n[Settings]\r\nCreatePB = 1\r\n");
  EXPECT_TRUE(file.CreateIfMissing());  // an existing file is left alone
  OptionValues v = StartupOptionValues(file);
  EXPECT_EQ(v.Get(Option::InsNOP), 1);  // missing key
  v.Set(Option::InsNOP, 0);
  ASSERT_TRUE(file.Save(v));
  EXPECT_EQ(file.Load()->Get(Option::InsNOP), 0);
}

TEST(SettingsFile, AnUncreatableFileLeavesTheCreationValues) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "Sparlin.ini");  // a folder of that name
  SettingsFile file{dir.File("Sparlin.ini")};
  EXPECT_FALSE(file.CreateIfMissing());
  OptionValues v = StartupOptionValues(file);
  EXPECT_EQ(v.values, OptionValues::Created().values);
  EXPECT_FALSE(file.Save(v));
  SettingsFile nowhere{dir.File("no/such/folder/Sparlin.ini")};
  EXPECT_FALSE(nowhere.CreateIfMissing());
  EXPECT_EQ(StartupOptionValues(nowhere).values, OptionValues::Created().values);
}

}  // namespace
}  // namespace sparlin
