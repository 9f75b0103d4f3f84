// The library files of the stand-in installation: read with the rules that
// Sparlin applies to the real ones (zero bytes split lines, a line holding
// "ERUP" switches the state, the cleaning rules for noise), exactly the
// library's function names come out, in file order.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>

#include "standin/standin_support.h"

namespace sparlin::testing::standin {
namespace {

namespace fs = std::filesystem;

std::string TrimBlanks(std::string text) {
  size_t b = text.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  return text.substr(b, text.find_last_not_of(' ') - b + 1);
}

std::string Clean(std::string c) {
  if (c.rfind("4BIL", 0) == 0) c.clear();
  c.erase(std::remove_if(c.begin(), c.end(), [](char ch) { return static_cast<unsigned char>(ch) < 32; }), c.end());
  if (!c.empty() && (c.front() == '@' || c.back() == '@')) c.clear();
  for (int pass = 0; pass < 2; ++pass) {
    for (char x = 'A'; x <= 'Z'; ++x) {
      if (c.empty() || c.front() != x) continue;
      c.erase(std::remove(c.begin(), c.end(), ' '), c.end());
      size_t l = c.size();
      size_t k = static_cast<size_t>(std::count(c.begin(), c.end(), x));
      if (l == k || l == k + 1 || (l == k + 2 && (c.back() == '!' || c.back() == '?'))) c.clear();
    }
    if (!c.empty() && (c.front() == '!' || c.front() == '?')) c.clear();
    c = TrimBlanks(c);
  }
  if (!c.empty() && c.front() == '(') c.clear();
  return c;
}

std::vector<std::string> ReadFunctionNames(const std::string& bytes) {
  std::vector<std::string> names;
  int state = 0;
  size_t start = 0;
  for (size_t i = 0; i <= bytes.size(); ++i) {
    bool end = i == bytes.size();
    char ch = end ? '\0' : bytes[i];
    if (!end && ch != '\n' && ch != '\r' && ch != '\0') continue;
    std::string line = TrimBlanks(bytes.substr(start, i - start));
    if (ch == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
    if (line.find("ERUP") != std::string::npos) {
      if (state < 2) ++state;
      continue;
    }
    if (state != 1) continue;
    std::string name = Clean(line);
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  return names;
}

uint32_t U32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

TEST(StandinLibraryFiles, ReadingRulesGiveExactlyTheFunctionNames) {
  SKIP_WITHOUT_STANDIN();
  std::map<std::string, std::vector<std::string>> expected;
  std::ifstream table(fs::path(SPARLIN_SOURCE_DIR) / "tools" / "standin-compiler" / "data" / "library-functions.tsv");
  std::string row;
  std::getline(table, row);  // column names
  while (std::getline(table, row)) {
    size_t tab = row.find('\t');
    expected[row.substr(0, tab)].push_back(row.substr(tab + 1, row.find('\t', tab + 1) - tab - 1));
  }
  ASSERT_GT(expected.size(), 30u);
  size_t files = 0;
  for (const auto& entry : fs::directory_iterator(InstallFolder() / "PureLibraries")) {
    ++files;
    std::string name = entry.path().filename().string();
    std::string bytes = ReadBytes(entry.path());
    EXPECT_EQ(ReadFunctionNames(bytes), expected[name]) << name;

    // Two chunks, each "ERUP" + length + kind, the second ending the file.
    ASSERT_GE(bytes.size(), 24u) << name;
    EXPECT_EQ(bytes.substr(0, 4), "ERUP");
    EXPECT_EQ(bytes.substr(8, 4), "4BIL");
    size_t second = 8 + U32(bytes, 4);
    ASSERT_LT(second + 12, bytes.size()) << name;
    EXPECT_EQ(bytes.substr(second, 4), "ERUP");
    EXPECT_EQ(bytes.substr(second + 8, 4), "1TAD");
    EXPECT_EQ(second + 8 + U32(bytes, second + 4), bytes.size()) << name;
  }
  EXPECT_EQ(files, expected.size());
  for (const char* dll : {"Engine3d.dll", "Scintilla.dll", "libmariadb.dll"})
    EXPECT_TRUE(fs::is_regular_file(InstallFolder() / "Compilers" / dll)) << dll;
}

// The cleaning rules themselves, on the kinds of noise the files hold.
TEST(StandinLibraryFiles, CleaningRulesDropNoise) {
  const std::string noise = std::string("ERUP\x41\x0A", 6) + std::string(1, '\0') + "4BIL<\x06" + std::string(1, '\0') +
                            "D$" + std::string(1, '\0') + "Gadget@" + std::string(1, '\0') + "\x0C!Gadget" +
                            std::string(1, '\0') + "AB\r\nAAB!\r\n(Text$) - PrintN command" + std::string(1, '\0') +
                            "\x02\x03OpenWindow\n  PrintN  \nERUP\nAfter";
  EXPECT_EQ(ReadFunctionNames(noise), (std::vector<std::string>{"OpenWindow", "PrintN"}));
}

}  // namespace
}  // namespace sparlin::testing::standin
