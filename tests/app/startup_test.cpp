#include "app/startup.h"

#include <gtest/gtest.h>

namespace sparlin {
namespace {

TEST(Startup, CompilerPathComesFromTheInstallationFolder) {
  GlobalValues g = DeriveStartupValues(u"C:\\a\\b.pb", u"", u"C:\\PB\\Compilers\\pbcompiler.exe", u"");
  EXPECT_EQ(g.CompilersFolder, u"C:\\PB\\Compilers\\");
  EXPECT_EQ(g.CompilerPath, u"C:\\PB\\Compilers\\pbcompiler.exe");
  // A folder part of 10 characters or fewer leaves the relative path.
  EXPECT_EQ(DeriveStartupValues(u"x", u"", u"D:\\tools\\pbc.exe", u"").CompilerPath, u"Compilers\\pbcompiler.exe");
  EXPECT_EQ(DeriveStartupValues(u"x", u"", u"", u"").CompilerPath, u"Compilers\\pbcompiler.exe");
  // Exactly 11 characters keep one.
  EXPECT_EQ(DeriveStartupValues(u"x", u"", u"X:\\abcdefg\\p.exe", u"").CompilerPath, u"XCompilers\\pbcompiler.exe");
  EXPECT_EQ(g.Title, u"Sparlin v0.9.8.6 beta");
}

TEST(Startup, BlankFirstParameterFallsBackToTheSecond) {
  GlobalValues g = DeriveStartupValues(u"   ", u"C:\\a\\b.pb", u"", u"");
  EXPECT_EQ(g.SourcePath, u"C:\\a\\b.pb");
  EXPECT_EQ(g.SecondParameter, u"C:\\a\\b.pb");
  EXPECT_EQ(g.OutputPath, u"C:\\a\\b.exe");
  // A parameter with surrounding blanks is kept exactly as passed.
  EXPECT_EQ(DeriveStartupValues(u" C:\\a\\b.pb ", u"", u"", u"").SourcePath, u" C:\\a\\b.pb ");
}

TEST(Startup, OutputPathFromTheEnvironmentOrTheSecondParameter) {
  EXPECT_EQ(DeriveStartupValues(u"C:\\a\\b.pb", u"", u"", u"").OutputPath, u".exe");
  EXPECT_EQ(DeriveStartupValues(u"C:\\a\\b.pb", u"", u"", u"  ").OutputPath, u".exe");
  EXPECT_EQ(DeriveStartupValues(u"C:\\a\\b.pb", u"C:\\o\\prog.v2.pb", u"", u"").OutputPath, u"C:\\o\\prog.v2.exe");
  EXPECT_EQ(DeriveStartupValues(u"C:\\a\\b.pb", u"x", u"", u"D:\\out\\my.exe").OutputPath, u"D:\\out\\my.exe");
}

TEST(Startup, OptimizedSourceAndAssemblyPaths) {
  GlobalValues g = DeriveStartupValues(u"C:\\x\\my.file.pb", u"", u"", u"");
  EXPECT_EQ(g.OptimizedSourcePath, u"C:\\x\\my.file_Sparl.pb");
  EXPECT_EQ(g.AsmPath, u"C:\\x\\PureBasic.asm");
  EXPECT_EQ(DeriveStartupValues(u"C:\\x\\prog", u"", u"", u"").OptimizedSourcePath, u"C:\\x\\prog_Sparl.");
  GlobalValues none = DeriveStartupValues(u"", u"", u"", u"");
  EXPECT_EQ(none.SourcePath, u"");
  EXPECT_EQ(none.OptimizedSourcePath, u"_Sparl.");
  EXPECT_EQ(none.AsmPath, u"PureBasic.asm");
  EXPECT_EQ(none.ResourceScriptPath, u"");
}

TEST(Startup, SuffixIsTrimmedAndNeverEmpty) {
  EXPECT_EQ(EffectiveSuffix(u" _min "), u"_min");
  EXPECT_EQ(EffectiveSuffix(u"   "), u"_Sparl");
  // Characters no file name may hold: the suffix counts as empty.
  for (UStringView bad : {UStringView(u"a\0b", 3), UStringView(u"/../demo"), UStringView(u"\\..\\demo"),
                          UStringView(u"\" /EXE \"x"), UStringView(u"a:b"), UStringView(u"x|y"), UStringView(u"t\tab")}) {
    EXPECT_EQ(EffectiveSuffix(UString(bad)), u"_Sparl") << EncodeUtf8(bad);
  }
  EXPECT_EQ(DeriveOptimizedSourcePath(u"C:\\w\\demo.pb", EffectiveSuffix(u"_x")), u"C:\\w\\demo_x.pb");
}

TEST(BuildPaths, NamesSameFileAsWindowsComparesPaths) {
  struct Case {
    const char16_t* a;
    const char16_t* b;
    bool same;
  };
  for (const Case& c : {Case{u"C:\\w\\demo.pb", u"c:/W/DEMO.PB", true}, Case{u"C:\\w\\x\\..\\demo.pb", u"C:\\w\\demo.pb", true},
                        Case{u"C:\\w\\.\\\\demo.pb", u"C:\\w\\demo.pb", true}, Case{u"demo.pb", u"C:\\w\\demo.pb", true},
                        Case{u"..\\w\\demo.pb", u"C:\\w\\demo.pb", true}, Case{u"C:\\w\\demo.pbx", u"C:\\w\\demo.pb", false},
                        Case{u"C:\\v\\demo.pb", u"C:\\w\\demo.pb", false}, Case{u"", u"", false}}) {
    EXPECT_EQ(NamesSameFile(c.a, c.b, u"C:\\w\\"), c.same) << EncodeUtf8(c.a);
  }
}

}  // namespace
}  // namespace sparlin
