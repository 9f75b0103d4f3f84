// sparlin-cli --report and --compare through the stand-in compiler: the
// report's lists are read back from the run log of the same run by the
// removal rules, its sizes are measured on disk, and the failure paths leave
// the build's files as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <variant>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace sparlin {
namespace {

namespace fs = std::filesystem;
using testing::CliResult;

// A small JSON reader, enough to read the report back (and to reject a
// document that is not JSON).
struct Json {
  std::variant<std::nullptr_t, bool, double, std::string, std::vector<Json>, std::map<std::string, Json>> v;
  const Json& operator[](const std::string& key) const {
    static const Json missing;
    auto* object = std::get_if<std::map<std::string, Json>>(&v);
    if (!object || !object->count(key)) return missing;
    return object->at(key);
  }
  bool Has(const std::string& key) const {
    auto* object = std::get_if<std::map<std::string, Json>>(&v);
    return object && object->count(key);
  }
  const std::vector<Json>& Items() const { return std::get<std::vector<Json>>(v); }
  const std::string& Str() const { return std::get<std::string>(v); }
  int64_t Int() const { return static_cast<int64_t>(std::get<double>(v)); }
  bool IsNull() const { return std::holds_alternative<std::nullptr_t>(v); }
};

class JsonReader {
 public:
  explicit JsonReader(const std::string& text) : s_(text) {}
  Json Document() {
    Json value = Value();
    Blanks();
    if (i_ != s_.size()) throw std::runtime_error("text after the document");
    return value;
  }

 private:
  void Blanks() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t')) ++i_;
  }
  void Expect(char c) {
    Blanks();
    if (i_ >= s_.size() || s_[i_] != c) throw std::runtime_error(std::string("expected ") + c);
    ++i_;
  }
  bool Peek(char c) {
    Blanks();
    return i_ < s_.size() && s_[i_] == c;
  }
  std::string String() {
    Expect('"');
    std::string out;
    while (s_.at(i_) != '"') {
      char c = s_[i_++];
      if (static_cast<unsigned char>(c) < 0x20) throw std::runtime_error("raw control character");
      if (c != '\\') {
        out += c;
        continue;
      }
      char e = s_.at(i_++);
      const std::string plain = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
      if (plain.find(e) != std::string::npos) {
        out += meant[plain.find(e)];
      } else if (e == 'u') {
        unsigned code = std::stoul(s_.substr(i_, 4), nullptr, 16);
        i_ += 4;
        if (code >= 0x80) throw std::runtime_error("unexpected escape");  // the reports here are ASCII
        out += static_cast<char>(code);
      } else {
        throw std::runtime_error("bad escape");
      }
    }
    ++i_;
    return out;
  }
  Json Value() {
    Blanks();
    Json j;
    if (Peek('{')) {
      ++i_;
      std::map<std::string, Json> object;
      while (!Peek('}')) {
        if (!object.empty()) Expect(',');
        std::string key = String();
        Expect(':');
        object[key] = Value();
      }
      ++i_;
      j.v = std::move(object);
    } else if (Peek('[')) {
      ++i_;
      std::vector<Json> array;
      while (!Peek(']')) {
        if (!array.empty()) Expect(',');
        array.push_back(Value());
      }
      ++i_;
      j.v = std::move(array);
    } else if (Peek('"')) {
      j.v = String();
    } else if (s_.compare(i_, 4, "null") == 0) {
      i_ += 4;
    } else if (s_.compare(i_, 4, "true") == 0 || s_.compare(i_, 5, "false") == 0) {
      j.v = s_[i_] == 't';
      i_ += s_[i_] == 't' ? 4 : 5;
    } else {
      size_t used = 0;
      j.v = std::stod(s_.substr(i_), &used);
      i_ += used;
    }
    return j;
  }
  const std::string& s_;
  size_t i_ = 0;
};

std::vector<std::string> Strings(const Json& array) {
  std::vector<std::string> out;
  for (const Json& item : array.Items()) out.push_back(item.Str());
  return out;
}

// What the run log of a build says was removed and kept, read with the
// removal rules.
struct LogFacts {
  std::vector<std::string> macros, procedures, functions, libraries;
  std::vector<std::pair<std::string, std::vector<std::pair<std::string, int64_t>>>> table;  // "Called PB Functions"
};

LogFacts ReadLog(const std::string& log) {
  LogFacts facts;
  std::string section;
  size_t at = 0;
  while (at < log.size()) {
    size_t end = log.find("\r\n", at);
    std::string line = log.substr(at, end == std::string::npos ? std::string::npos : end - at);
    at = end == std::string::npos ? log.size() : end + 2;
    if (line.rfind("\t\xC2\xB7  ", 0) == 0) {
      section = line.substr(5, line.find(':') == std::string::npos ? std::string::npos : line.find(':') - 5);
    } else if (line.rfind(" ---", 0) == 0) {
      section.clear();
    } else if (line.rfind("\t\t\t", 0) == 0 && section == "Called PB Functions") {
      size_t colon = line.rfind(": ");
      facts.table.back().second.push_back({line.substr(3, colon - 3), std::stoll(line.substr(colon + 2))});
    } else if (line.rfind("\t\t", 0) == 0) {
      std::string item = line.substr(2);
      if (section == "Macro Comments Removed") facts.macros.push_back(item.substr(0, item.size() - 2));  // "()"
      if (section == "Uncalled Procedures Removed") facts.procedures.push_back(item.substr(0, item.size() - 2));
      if (section == "Called PB Functions") facts.table.push_back({item.substr(0, item.rfind(": ")), {}});
      if (section == "Uncalled PB Functions Removed") facts.functions.push_back(item);
      if (section == "Uncalled PB Libraries Removed") facts.libraries.push_back(item);
    }
  }
  return facts;
}

bool StartsWith(const std::string& s, const std::string& p) { return s.rfind(p, 0) == 0; }
bool EndsWith(const std::string& s, const std::string& p) {
  return s.size() >= p.size() && s.compare(s.size() - p.size(), p.size(), p) == 0;
}

// Why a library went, from its symbols in the count report: none at all;
// none with a call; one start-up symbol left (an image plugin's or
// another's); two.
std::string ExpectedReason(const std::string& library, const std::vector<std::pair<std::string, int64_t>>& symbols) {
  if (symbols.empty()) return "unused";
  size_t called = 0;
  for (const auto& symbol : symbols) called += symbol.second > 0;
  if (called == 0) return "emptied";
  if (called == 2) return "pair";
  static const std::set<std::string> kPlugins = {"ImagePluginBMP",  "ImagePluginGIF", "ImagePluginJPEG2000",
                                                 "ImagePluginJPEG", "ImagePluginPNG", "ImagePluginTGA",
                                                 "ImagePluginTIFF"};
  return kPlugins.count(library) ? "plugin" : "startup";
}

// Which rule keeps a library whose symbols did not: SimpleList with none, or
// a single start-up symbol that the count did not take.
std::string ExpectedRule(const std::string& library, const std::vector<std::pair<std::string, int64_t>>& left) {
  if (left.empty()) return library == "SimpleList" ? "simple_list" : "";
  if (left.size() != 1) return "";
  const std::string& f = left[0].first;
  bool startup = StartsWith(f, "PB_Init") || StartsWith(f, "PB_Free") ||
                 (StartsWith(f, "PB_Use") && (EndsWith(f, "ImageDecoder") || EndsWith(f, "ImageEncoder")));
  if (!startup) return "";
  if (f == "PB_InitImageDecoder") return "image_decoder";
  if (EndsWith(f, "ImageEncoder")) return "image_encoder";
  if (f == "PB_InitArray") return "array";
  if (f == "PB_InitRuntime") return "runtime";
  if (f == "PB_InitGadget") return "gadget";
  return "plugin";
}

struct Build {
  CliResult result;
  fs::path folder;
  fs::path output;
  Json report;
};

class BuildReportE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    if (testing::CliBinary().empty() || testing::StandinInstall().empty()) {
      GTEST_FAIL() << "SPARLIN_CLI or SPARLIN_STANDIN_INSTALL is not set: nothing to run the build with";
    }
    fs::create_directories(dir_.path() / "tmp");
  }

  // Builds examples/<example>/<source> in a folder `tag` of its own; the
  // report, when asked for, is read back.
  Build Run(const std::string& example, const std::string& source, const std::string& tag,
            std::vector<std::string> args, const std::string& compiler = testing::StandinCompiler()) {
    Build b;
    b.folder = dir_.path() / tag;
    fs::create_directories(b.folder / "out");
    fs::copy(fs::path(SPARLIN_SOURCE_DIR) / "examples" / example, b.folder, fs::copy_options::recursive);
    b.output = b.folder / "out" / (fs::path(source).stem().string() + ".exe");
    args.push_back((b.folder / source).string());
    b.result = testing::RunCli(b.folder, args,
                               {{"PB_TOOL_Compiler", compiler},
                                {"PB_TOOL_Executable", b.output.string()},
                                {"TMPDIR", (dir_.path() / "tmp").string()}});
    if (fs::exists(b.folder / "report.json")) {
      std::string text = dir_.Read(tag + "/report.json");
      b.report = JsonReader(text).Document();
    }
    return b;
  }

  // Nothing of a comparison is left, in the temporary folder or beside the
  // build's assembly.
  void ExpectNoCompareFiles(const Build& b) {
    for (const fs::path& folder : {dir_.path() / "tmp", b.folder}) {
      for (const auto& entry : fs::directory_iterator(folder)) {
        EXPECT_EQ(entry.path().filename().string().find("Sparl_compare"), std::string::npos) << entry.path();
      }
    }
  }

  testing::TempDir dir_;
};

TEST_F(BuildReportE2e, ReportAgreesWithTheRunLogAndTheFilesOnDisk) {
  struct Example {
    std::string folder, source;
  };
  const std::vector<Example> examples = {
      {"console", "Console.pb"},           {"dll", "MathDll.pb"},
      {"dll_user", "DllUser.pb"},          {"image_viewer", "ImageViewer.pb"},
      {"includes_macros", "Main.pb"},      {"runtime_names", "RuntimeNames.pb"},
      {"sorted_list", "SortedList.pb"},    {"version_info", "VersionInfo.pb"},
  };
  for (const Example& e : examples) {
    SCOPED_TRACE(e.folder);
    Build b = Run(e.folder, e.source, e.folder, {"--report", "report.json", "--compare"});
    ASSERT_EQ(b.result.exit_code, 0) << b.result.out << b.result.err;
    const Json& r = b.report;
    LogFacts log = ReadLog(b.result.out);

    EXPECT_EQ(Strings(r["removed"]["macros"]), log.macros);
    EXPECT_EQ(Strings(r["removed"]["procedures"]), log.procedures);
    EXPECT_EQ(Strings(r["removed"]["functions"]), log.functions);
    std::vector<std::string> libraries;
    for (const Json& library : r["removed"]["libraries"].Items()) {
      libraries.push_back(library["name"].Str());
      for (const auto& [name, symbols] : log.table) {
        if (name == library["name"].Str()) {
          EXPECT_EQ(library["reason"].Str(), ExpectedReason(name, symbols)) << name;
        }
      }
    }
    EXPECT_EQ(libraries, log.libraries);

    // Kept: the count report's libraries that were not removed, with the
    // symbols that the removal did not take.
    std::vector<std::string> kept_text, expected_text;
    for (const Json& library : r["kept_libraries"].Items()) {
      std::string line = library["name"].Str() + " [" + (library["rule"].IsNull() ? "" : library["rule"].Str()) + "]";
      for (const Json& symbol : library["symbols"].Items()) {
        line += " " + symbol["name"].Str() + "=" + std::to_string(symbol["call_count"].Int());
      }
      kept_text.push_back(line);
    }
    for (const auto& [name, symbols] : log.table) {
      if (std::find(log.libraries.begin(), log.libraries.end(), name) != log.libraries.end()) continue;
      std::vector<std::pair<std::string, int64_t>> left;
      for (const auto& symbol : symbols) {
        if (std::find(log.functions.begin(), log.functions.end(), symbol.first) == log.functions.end()) left.push_back(symbol);
      }
      std::string line = name + " [" + ExpectedRule(name, left) + "]";
      for (const auto& [symbol, count] : left) line += " " + symbol + "=" + std::to_string(count);
      expected_text.push_back(line);
    }
    EXPECT_EQ(kept_text, expected_text);

    // Sizes: the file on disk; without pruning, what a build with
    // RemUncalled=0 makes.
    EXPECT_EQ(r["output"]["bytes"].Int(), static_cast<int64_t>(fs::file_size(b.output)));
    Build full = Run(e.folder, e.source, e.folder + "-full", {"--set", "RemUncalled=0"});
    ASSERT_EQ(full.result.exit_code, 0) << full.result.out;
    int64_t full_size = static_cast<int64_t>(fs::file_size(full.output));
    EXPECT_EQ(r["output"]["bytes_without_pruning"].Int(), full_size);
    EXPECT_EQ(r["output"]["bytes_saved"].Int(), full_size - r["output"]["bytes"].Int());
    EXPECT_NE(b.result.err.find("[size " + std::to_string(r["output"]["bytes"].Int()) + " without pruning " +
                                std::to_string(full_size) + ", "),
              std::string::npos)
        << b.result.err;
    ExpectNoCompareFiles(b);

    EXPECT_EQ(r["result"].Str(), "finished");
    EXPECT_EQ(r["exit_code"].Int(), 0);
    EXPECT_EQ(r["stages"].Items().size(), 3u);
    for (const Json& stage : r["stages"].Items()) EXPECT_EQ(stage["exit_code"].Int(), 0);
    EXPECT_TRUE(StartsWith(r["stages"].Items()[2]["arguments"].Str(),
                           "\"" + (b.folder / "PureBasic.asm").string() + "\" /REASM"));
  }
}

TEST_F(BuildReportE2e, AFailingComparisonIsReportedAndChangesNothingOfTheBuild) {
  // A compiler that refuses the comparison's run only.
  dir_.Write("pb/Compilers/pbcompiler.exe", "#!/bin/sh\ncase \"$1\" in *Sparl_compare*) echo refused; exit 7;; esac\nexec '" +
                                                testing::StandinCompiler() + "' \"$@\"\n");
  fs::permissions(dir_.path() / "pb/Compilers/pbcompiler.exe", fs::perms::owner_all);
  fs::create_directory_symlink(testing::StandinInstall() / "PureLibraries", dir_.path() / "pb/PureLibraries");
  std::string compiler = (dir_.path() / "pb/Compilers/pbcompiler.exe").string();

  Build plain = Run("console", "Console.pb", "plain", {}, compiler);
  Build b = Run("console", "Console.pb", "failing", {"--report", "report.json", "--compare"}, compiler);
  EXPECT_EQ(b.result.exit_code, 0) << b.result.err;
  auto same_folders = [](std::string log) {
    for (const std::string folder : {"/plain", "/failing"}) {
      for (size_t at; (at = log.find(folder)) != std::string::npos;) log.replace(at, folder.size(), "/F");
    }
    return testing::FixTime(log);
  };
  EXPECT_EQ(same_folders(b.result.out), same_folders(plain.result.out));
  EXPECT_EQ(fs::file_size(b.output), fs::file_size(plain.output));
  EXPECT_EQ(b.report["output"]["compare_failed"]["exit_code"].Int(), 7);
  EXPECT_FALSE(b.report["output"].Has("bytes_without_pruning"));
  EXPECT_EQ(b.report["result"].Str(), "finished");
  EXPECT_NE(b.result.err.find("[compare failed: "), std::string::npos);
  ExpectNoCompareFiles(b);
}

TEST_F(BuildReportE2e, ReportPathsThatCannotOrMustNotBeWritten) {
  // Over the source, named as the source is or relative to the current
  // folder: refused before anything is built.
  for (const std::string& report : {(dir_.path() / "over-0/Console.pb").string(), std::string("CONSOLE.PB")}) {
    std::string tag = report == "CONSOLE.PB" ? "over-1" : "over-0";
    Build over = Run("console", "Console.pb", tag, {"--report", report});
    EXPECT_EQ(over.result.exit_code, 1);
    EXPECT_NE(over.result.err.find("[message Error Report] "), std::string::npos) << over.result.err;
    EXPECT_EQ(fs::file_size(over.folder / "Console.pb"),
              fs::file_size(fs::path(SPARLIN_SOURCE_DIR) / "examples/console/Console.pb"));
    EXPECT_FALSE(fs::exists(over.folder / "Console_Sparl.pb"));
  }

  // A folder that does not exist: the build stands, the report is a message.
  Build unwritable = Run("console", "Console.pb", "unwritable", {"--report", "missing/report.json"});
  EXPECT_EQ(unwritable.result.exit_code, 1);
  EXPECT_NE(unwritable.result.err.find("[message Error Report] Writing missing/report.json was not successful..."),
            std::string::npos)
      << unwritable.result.err;
  EXPECT_GT(fs::file_size(unwritable.output), 0u);
  EXPECT_NE(unwritable.result.out.find("\tAll Finished!\r\n"), std::string::npos);

  // A failed build is reported too; --compare has nothing to measure.
  Build failed = Run("console", "Console.pb", "failed", {"--report", "report.json", "--compare"}, "/nonexistent/pbcompiler.exe");
  EXPECT_EQ(failed.result.exit_code, 1);
  EXPECT_EQ(failed.report["result"].Str(), "failed");
  EXPECT_FALSE(failed.report["output"].Has("bytes"));
  EXPECT_TRUE(std::get<bool>(failed.report["stages"].Items()[0]["ran"].v));
  EXPECT_TRUE(failed.report["stages"].Items()[0]["exit_code"].IsNull());
  EXPECT_FALSE(std::get<bool>(failed.report["stages"].Items()[1]["ran"].v));

  // RemUncalled off: nothing to compare, and the report says so.
  Build off = Run("console", "Console.pb", "off", {"--report", "report.json", "--compare", "--set", "RemUncalled=0"});
  EXPECT_EQ(off.result.exit_code, 0);
  EXPECT_EQ(off.report["output"]["compare_skipped"].Str(), "RemUncalled is off: nothing was pruned");

  // CreateOUT off: a usage error that says why.
  Build no_output = Run("console", "Console.pb", "no-output", {"--compare", "--set", "CreateOUT=0"});
  EXPECT_EQ(no_output.result.exit_code, 2);
  EXPECT_NE(no_output.result.err.find("CreateOUT=0"), std::string::npos);
  EXPECT_EQ(no_output.result.out, "");
}

}  // namespace
}  // namespace sparlin
