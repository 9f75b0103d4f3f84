#include "pruning/required_dlls.h"

#include <gtest/gtest.h>

#include "support/fake_host.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

// The data-word line of a static string.
std::string DataWord(const std::string& label, const std::string& text) {
  std::string line = label + ": dw ";
  for (char16_t unit : DecodeUtf8(text)) line += std::to_string(unit) + ",";
  return line + "0";
}

TEST(DllPathFromDataWordLineTest, OnlyTextsNamingADll) {
  EXPECT_EQ(DllPathFromDataWordLine(U(DataWord("_S1", "  C:\\Libs\\Zip.dll "))), u"C:\\Libs\\Zip.dll");
  EXPECT_EQ(DllPathFromDataWordLine(U(DataWord("_S1", "sub\\PLUG.DLL"))), u"sub\\PLUG.DLL");
  EXPECT_EQ(DllPathFromDataWordLine(U(DataWord("_S1", "notes.txt"))), u"");
  EXPECT_EQ(DllPathFromDataWordLine(U(DataWord("_S1", "C:\\a.dll\\readme"))), u"");
  EXPECT_EQ(DllPathFromDataWordLine(U(DataWord("_S1", "dll"))), u"");
  EXPECT_EQ(DllPathFromDataWordLine(u"  dw 97,46,100,108,108,0"), u"");
}

// A build with its source in src/, its output in out/ and the compiler in PB/,
// on the in-memory file system; files are named relative to its root.
struct DllBuild {
  testing::InMemoryBuild build;

  DllBuild() {
    GlobalValues& g = build.state.globals;
    g.CompilerPath = U(Root() + "PB/Compilers/pbcompiler.exe");
    g.SourcePath = U(Root() + "src/prog.pb");
    g.AsmPath = U(Root() + "src/PureBasic.asm");
    g.OutputPath = U(Root() + "out/prog.exe");
  }
  std::string Root() const { return "C:/w/"; }
  std::string Out() const { return Root() + "out/"; }
  std::string Log() const { return build.LogUtf8(); }
  void Write(const std::string& name, const std::string& bytes) { build.files.Write(U(Root() + name), bytes); }
  std::string Read(const std::string& name) const { return build.files.Read(U(Root() + name)).value_or("<none>"); }
  bool Exists(const std::string& name) const { return build.files.Has(U(Root() + name)); }
};

TEST(RequiredDllsTest, CopiesEveryKindOfRequiredDll) {
  DllBuild b;
  const std::string root = b.Root();
  b.Write("PB/Compilers/Engine3d.dll", "engine");
  b.Write("PB/Compilers/Scintilla.dll", "scintilla");
  b.Write("libs/foo.lib", "lib");
  b.Write("libs/foo.dll", "foo");
  b.Write("libs/bar.lib", "lib");
  b.Write("libs/baz.lib", "lib");
  b.Write("libs/baz.dll", "baz");
  b.Write("abs/Abs.DLL", "new abs");
  b.Write("out/Abs.DLL", "old abs");
  b.Write("out/here.dll", "here");
  b.Write("src/sub/plug.dll", "plug");
  b.Write("src/readme.txt", "text");
  b.build.state.assembly.ImportedLibraries = {u"DatabaseMySQL", u"Engine3D", u"Gadget", u"Scintilla", u"scintilla"};
  b.Write("src/PureBasic.asm",
              "; Gadget\r\n"
              "; " + root + "libs/baz.lib\r\n"     // before the import section
              "; :Import\r\n"
              ";; " + root + "libs/foo.lib \r\n"
              "; " + root + "libs/bar.lib\r\n"
              "; " + root + "libs/missing.lib\r\n"
              "format MS64 COFF\r\n"
              "; " + root + "libs/baz.lib\r\n"     // after it
              + DataWord("_S0", root + "abs/Abs.DLL") + "\r\n"  // before the static strings
              "_SYS_StaticStringStart:\r\n"
              "  " + DataWord("_S1", root + "abs/Abs.DLL") + "\r\n"
              + DataWord("_S2", "sub\\plug.dll") + "\r\n"
              + DataWord("_S3", root + "out/here.dll") + "\r\n"
              + DataWord("_S4", "readme.txt") + "\r\n"
              + DataWord("_S5", "nowhere.dll") + "\r\n"
              "_SYS_StaticStringEnd:\r\n"
              + DataWord("_S6", root + "libs/baz.dll") + "\r\n");

  CopyRequiredDlls(b.build.ctx);

  const std::string out = b.Out();
  EXPECT_EQ(b.Log(), "\t\u00B7  Engine3d.dll --> " + out + "Engine3d.dll\r\n"
                     "\r\n\t\u00B7  Scintilla.dll --> " + out + "Scintilla.dll\r\n"
                     "\r\n\t\u00B7  foo.dll --> " + out + "foo.dll\r\n"
                     "\r\n\t\u00B7  Abs.DLL --> " + out + "Abs.DLL\r\n"
                     "\r\n\t\u00B7  sub\\plug.dll --> " + out + "plug.dll\r\n");
  EXPECT_EQ(b.Read("out/Engine3d.dll"), "engine");
  EXPECT_EQ(b.Read("out/foo.dll"), "foo");
  EXPECT_EQ(b.Read("out/Abs.DLL"), "new abs");
  EXPECT_EQ(b.Read("out/plug.dll"), "plug");
  EXPECT_EQ(b.Read("out/here.dll"), "here");
  EXPECT_FALSE(b.Exists("out/bar.dll"));
  EXPECT_FALSE(b.Exists("out/baz.dll"));
  EXPECT_FALSE(b.Exists("out/libmariadb.dll"));
  EXPECT_FALSE(b.Exists("out/readme.txt"));
  EXPECT_TRUE(b.build.host.messages.empty());
}

TEST(RequiredDllsTest, SourceFolderThatIsTheOutputFolder) {
  DllBuild b;
  b.build.state.globals.OutputPath = U(b.Root() + "src/prog.exe");
  b.Write("src/sub/plug.dll", "plug");
  b.Write("src/PureBasic.asm", "_SYS_StaticStringStart:\r\n" + DataWord("_S1", "sub\\plug.dll") + "\r\n");
  CopyRequiredDlls(b.build.ctx);
  EXPECT_EQ(b.Log(), "");
  EXPECT_FALSE(b.Exists("src/plug.dll"));
}

TEST(RequiredDllsTest, NothingWithTheOptionOffOrWithoutTheAssemblyFile) {
  DllBuild off;
  off.build.host.options.Set(Option::CopyDLL, 0);
  off.Write("PB/Compilers/Scintilla.dll", "scintilla");
  off.build.state.assembly.ImportedLibraries = {u"Scintilla"};
  CopyRequiredDlls(off.build.ctx);
  EXPECT_EQ(off.Log(), "");
  EXPECT_FALSE(off.Exists("out/Scintilla.dll"));

  // The compiler's DLLs are copied even when the assembly file is missing.
  DllBuild no_asm;
  no_asm.Write("PB/Compilers/libmariadb.dll", "maria");
  no_asm.build.state.assembly.ImportedLibraries = {u"DatabaseMySQL"};
  CopyRequiredDlls(no_asm.build.ctx);
  EXPECT_EQ(no_asm.Log(), "\t\u00B7  libmariadb.dll --> " + no_asm.Out() + "libmariadb.dll\r\n");
}

}  // namespace
}  // namespace sparlin
