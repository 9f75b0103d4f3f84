#include "source_stage/resource_script.h"

#include <gtest/gtest.h>

#include <map>

#include "source_stage/ide_options.h"
#include "source_stage/source_stage_fixtures.h"
#include "source_stage/version_template.h"
#include "support/fake_host.h"

namespace sparlin {
namespace {

using testing::CorpusFile;
using testing::Crlf;
using testing::InMemoryBuild;

const std::string kBom = "\xEF\xBB\xBF";

// The version resource as the compiler should receive it, with the values of
// the fields 0 to 23 (a field missing from `values` keeps its placeholder).
std::string FilledTemplate(const std::map<int, std::string>& values) {
  auto v = [&](int field) {
    auto it = values.find(field);
    return it == values.end() ? "VersionField" + std::to_string(field) + "%" : it->second;
  };
  return Crlf(R"(#define VOS_UNKNOWN  0x00000000
#define VOS_DOS  0x00010000
#define VOS_OS216  0x00020000
#define VOS_OS232  0x00030000
#define VOS_NT  0x00040000
#define VOS_DOS_WINDOWS16  0x00010001
#define VOS_DOS_WINDOWS32  0x00010004
#define VOS_OS216_PM16  0x00020002
#define VOS_OS232_PM32  0x00030003
#define VOS_NT_WINDOWS32  0x00040004
#define VFT_UNKNOWN  0
#define VFT_APP  1
#define VFT_DLL  2
#define VFT_DRV  3
#define VFT_FONT  4
#define VFT_VXD  5
#define VFT_STATIC_LIB  7

1 VERSIONINFO
FILEVERSION )" + v(0) + R"(
PRODUCTVERSION )" + v(1) + R"(
FILEOS )" + v(15) + R"(
FILETYPE )" + v(16) + R"(
{
  BLOCK "StringFileInfo"
  {
    BLOCK ")" + v(17) + R"(04b0"
    {
      VALUE "CompanyName", ")" + v(2) + R"(\0"
      VALUE "ProductName", ")" + v(3) + R"(\0"
      VALUE "ProductVersion", ")" + v(4) + R"(\0"
      VALUE "FileVersion", ")" + v(5) + R"(\0"
      VALUE "FileDescription", ")" + v(6) + R"(\0"
      VALUE "InternalName", ")" + v(7) + R"(\0"
      VALUE "OriginalFilename", ")" + v(8) + R"(\0"
      VALUE "LegalCopyright", ")" + v(9) + R"(\0"
      VALUE "LegalTrademarks", ")" + v(10) + R"(\0"
      VALUE "PrivateBuild", ")" + v(11) + R"(\0"
      VALUE "SpecialBuild", ")" + v(12) + R"(\0"
      VALUE "Email", ")" + v(13) + R"(\0"
      VALUE "Website", ")" + v(14) + R"(\0"
      VALUE ")" + v(18) + R"(", ")" + v(21) + R"(\0"
      VALUE ")" + v(19) + R"(", ")" + v(22) + R"(\0"
      VALUE ")" + v(20) + R"(", ")" + v(23) + R"(\0"
    }
  }
  BLOCK "VarFileInfo"
  {
    VALUE "Translation", 0x)" + v(17) + R"(, 0x4b0
  }
})");
}

// What an absent field line leaves: the defaults.
std::map<int, std::string> Defaults() {
  std::map<int, std::string> values;
  for (int field = 0; field <= 23; ++field) values[field] = "";
  values[0] = values[1] = "0,0,0,0";
  values[15] = values[16] = "0";
  values[17] = "0000";
  return values;
}

std::string VersionScript(UStringView source_text) {
  std::optional<UString> text = VersionResourceText(source_text);
  return text ? EncodeUtf8(*text) : "<none>";
}

TEST(VersionTemplate, IsTheResourceFileByteForByte) {
  std::ifstream in(std::string(SPARLIN_SOURCE_DIR) + "/resources/version_template.txt", std::ios::binary);
  std::ostringstream file;
  file << in.rdbuf();
  EXPECT_EQ(std::string(kVersionTemplateBytes, kVersionTemplateSize), file.str());
  EXPECT_EQ(EncodeUtf8(VersionTemplate()), FilledTemplate({}));
}

TEST(VersionResource, AllTwentyFourFields) {
  const std::string footer = Crlf(R"(; IDE Options = PureBasic 6.10 LTS (Windows - x64)
; EnableXP
; Executable = Ledger.exe
; IncludeVersionInfo
; VersionField0 = 2.4.0.17
; VersionField1 = 2.4.0.0
; VersionField2 = Nordwind Software
; VersionField3 = Ledger
; VersionField4 = 2.4
; VersionField5 = 2.4.0.17
; VersionField6 = Household ledger
; VersionField7 = ledger
; VersionField8 = Ledger.exe
; VersionField9 = (c) 2024 Nordwind
; VersionField10 = Ledger
; VersionField11 = nightly
; VersionField12 = none
; VersionField13 = info@nordwind.example
; VersionField14 = https://nordwind.example
; VersionField15 = VOS_NT_WINDOWS32
; VersionField16 = VFT_APP
; VersionField17 = 0407 German (Germany)
; VersionField18 = Comments
; VersionField19 = Licence
; VersionField20 = Build
; VersionField21 = Written in PureBasic
; VersionField22 = MIT
; VersionField23 = 2024-05-01)");
  EXPECT_EQ(VersionScript(U("OpenConsole()\r\nPrintN(\"Ledger\")\r\n" + footer)),
            FilledTemplate({{0, "2,4,0,17"}, {1, "2,4,0,0"}, {2, "Nordwind Software"}, {3, "Ledger"}, {4, "2.4"},
                            {5, "2.4.0.17"}, {6, "Household ledger"}, {7, "ledger"}, {8, "Ledger.exe"},
                            {9, "(c) 2024 Nordwind"}, {10, "Ledger"}, {11, "nightly"}, {12, "none"},
                            {13, "info@nordwind.example"}, {14, "https://nordwind.example"},
                            {15, "VOS_NT_WINDOWS32"}, {16, "VFT_APP"}, {17, "0407"}, {18, "Comments"},
                            {19, "Licence"}, {20, "Build"}, {21, "Written in PureBasic"}, {22, "MIT"},
                            {23, "2024-05-01"}}));
}

TEST(VersionResource, OnlyTheFileVersionLine) {
  std::map<int, std::string> expected = Defaults();
  expected[0] = "1,0,0,3";
  EXPECT_EQ(VersionScript(u"; IDE Options = PureBasic 6.10\r\n; IncludeVersionInfo\r\n; VersionField0 = 1.0.0.3"),
            FilledTemplate(expected));
  EXPECT_EQ(VersionScript(u"; IDE Options = PureBasic 6.10\r\n; VersionField0 = 1.0.0.3"), "<none>");
}

TEST(VersionResource, MissingProductVersionLineLetsTheFieldTenLineFillItsOwnPlaceholder) {
  // The search for field 1 finds the field 10 line and moves on from there,
  // so field 2 is not found after it and takes its default; the product
  // version placeholder stays in the text.
  std::map<int, std::string> expected = Defaults();
  expected[0] = "3,1,0,0";
  expected.erase(1);
  for (int field = 3; field <= 9; ++field) expected[field] = "F" + std::to_string(field);
  expected[10] = "F10";
  expected[17] = "0409";
  std::string footer = "; IDE Options = PureBasic 6.10\r\n; IncludeVersionInfo\r\n; VersionField0 = 3.1.0.0\r\n";
  for (int field = 2; field <= 10; ++field) {
    footer += "; VersionField" + std::to_string(field) + " = F" + std::to_string(field) + "\r\n";
  }
  footer += "; VersionField17 = 0409";
  EXPECT_EQ(VersionScript(U(footer)), FilledTemplate(expected));
}

TEST(VersionResource, RealFooterWithSomeFieldsLeftOut) {
  // LF line ends, fields 10 to 12 absent, named OS and type values.
  std::map<int, std::string> expected = Defaults();
  expected[0] = expected[1] = "1,0,4,6";
  expected[2] = "ZoneSoft";
  expected[3] = "HandyMPlayer";
  expected[4] = expected[5] = "1.0.4.6";
  expected[6] = "A Handy Compact Audio/Video Player";
  expected[7] = "HandyMPlayer";
  expected[8] = "HandyMPlayer.exe";
  expected[9] = "David Scouten";
  expected[13] = "zonemaster60@gmail.com";
  expected[14] = "https://github.com/zonemaster60";
  expected[15] = "VOS_NT_WINDOWS32";
  expected[16] = "VFT_APP";
  EXPECT_EQ(VersionScript(U(CorpusFile("zonemaster60__HandyMPlayer.pb"))), FilledTemplate(expected));
}

class WriteResourceScriptTest : public ::testing::Test {
 protected:
  // Reads the options of `source` as the build does; returns the script's
  // bytes, or "<none>" when no script was written.
  std::string ScriptFor(const std::string& source) {
    build.files.Write(kFolder + UString(u"prog.pb"), source);
    build.state.globals.SourcePath = kFolder + UString(u"prog.pb");
    EXPECT_NE(ReadIdeOptions(build.ctx), TextEncoding::kReadFailed);
    return build.files.Read(kScript).value_or("<none>");
  }
  UString ResourceSwitch() const { return build.state.source.Switches.Resource; }

  static constexpr char16_t kFolder[] = u"C:\\Projects\\App\\";
  static constexpr char16_t kScript[] = u"C:\\Projects\\App\\Sparlin.rc";
  InMemoryBuild build;
};

TEST_F(WriteResourceScriptTest, AddedResourcesWithoutVersionInfo) {
  std::string folder = EncodeUtf8(kFolder);
  std::string script = ScriptFor("Debug 1\r\n; IDE Options = PureBasic 6.10\r\n; AddResource = " + folder +
                                 "app.rc\r\n; AddResource =   C:\\Shared\\icons.rc  \r\n; EnableXP");
  EXPECT_EQ(script, kBom + "\r\n\r\n#include \"app.rc\"\r\n#include \"C:\\Shared\\icons.rc\"\r\n");
  EXPECT_EQ(ResourceSwitch(), u" /RESOURCE \"" + UString(kScript) + u"\"");
  EXPECT_EQ(build.state.source.Switches.Joined(),
            u" /EXE \"\" /XP /RESOURCE \"" + UString(kScript) + u"\"");
}

TEST_F(WriteResourceScriptTest, VersionInfoFollowedByAnAddedResource) {
  std::map<int, std::string> expected = Defaults();
  expected[0] = expected[1] = "1,2,0,0";
  expected[17] = "0c0a";
  std::string script = ScriptFor(
      "; IDE Options = PureBasic 6.10\r\n; IncludeVersionInfo\r\n; VersionField0 = 1.2.0.0\r\n"
      "; VersionField1 = 1.2.0.0\r\n; VersionField17 = 0c0a Spanish (Spain)\r\n; AddResource = strings.rc");
  EXPECT_EQ(script, kBom + FilledTemplate(expected) + "\r\n\r\n#include \"strings.rc\"\r\n");
  EXPECT_EQ(ResourceSwitch(), u" /RESOURCE \"" + UString(kScript) + u"\"");
}

TEST_F(WriteResourceScriptTest, RealAnsiDllFooterWithABareResourceName) {
  std::string script = ScriptFor(CorpusFile("AmiDARK__PurePLUGIN.dll.pb"));
  EXPECT_EQ(script, kBom + "\r\n\r\n#include \"PurePLUGIN.rc\"\r\n");
  // The footer writes "Shared Dll"; the format line is matched exactly.
  EXPECT_EQ(build.state.source.Switches.Joined(),
            u" /EXE \"PurePLUGIN.dll\" /RESOURCE \"" + UString(kScript) + u"\"");
}

TEST_F(WriteResourceScriptTest, NeitherVersionInfoNorResources) {
  EXPECT_EQ(ScriptFor(CorpusFile("senf666__omnikamtest.pb")), "<none>");
  EXPECT_EQ(ResourceSwitch(), u"");
}

TEST_F(WriteResourceScriptTest, AnUnwritableScriptStopsTheBuild) {
  build.files.AddFolder(kScript);
  build.files.Write(kFolder + UString(u"prog.pb"), "; IDE Options = PureBasic 6.10\r\n; AddResource = x.rc");
  build.state.globals.SourcePath = kFolder + UString(u"prog.pb");
  EXPECT_EQ(ReadIdeOptions(build.ctx), TextEncoding::kReadFailed);
  EXPECT_EQ(ResourceSwitch(), u"");
  EXPECT_EQ(build.host.messages,
            (std::vector<testing::RecordedMessage>{
                {u"Error BOM", u"Writing " + UString(kScript) + u" was not successful...", MessageIcon::kError}}));
}

TEST_F(WriteResourceScriptTest, ValuesStayValues) {
  // A quote in a text field is written twice; a value holding the next
  // field's placeholder is not filled again (one pass over the template).
  std::map<int, std::string> expected = Defaults();
  expected[2] = "Acme\"\" END END 1 RCDATA \"\"../private/key.bin\"\"";
  expected[6] = "The \"\"Best\"\" App";
  expected[7] = "VersionField8%VersionField8%";
  std::string script = ScriptFor(
      "; IDE Options = PureBasic 6.10\r\n; IncludeVersionInfo\r\n"
      "; VersionField2 = Acme\" END END 1 RCDATA \"../private/key.bin\"\r\n; VersionField6 = The \"Best\" App\r\n"
      "; VersionField7 = VersionField8%VersionField8%\r\n; VersionField8 = long text");
  expected[8] = "long text";
  EXPECT_EQ(script, kBom + FilledTemplate(expected));
}

}  // namespace
}  // namespace sparlin
