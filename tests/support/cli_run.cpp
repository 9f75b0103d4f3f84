#include "support/cli_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

namespace sparlin::testing {

std::string ShellQuote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

}  // namespace

std::string CliBinary() {
  const char* path = std::getenv("SPARLIN_CLI");
  return path ? path : "";
}

std::filesystem::path StandinInstall() {
  const char* path = std::getenv("SPARLIN_STANDIN_INSTALL");
  return path ? path : "";
}

std::string StandinCompiler() { return (StandinInstall() / "Compilers" / "pbcompiler.exe").string(); }

CliResult RunCli(const std::filesystem::path& cwd, const std::vector<std::string>& args,
                 const std::map<std::string, std::string>& env) {
  std::filesystem::path out_file = cwd / ".cli-stdout";
  std::filesystem::path err_file = cwd / ".cli-stderr";
  std::string command = "cd " + ShellQuote(cwd.string()) + " && env";
  for (const char* name : {"PB_TOOL_Compiler", "PB_TOOL_Executable"}) {
    if (!env.count(name)) command += " -u " + std::string(name);
  }
  for (const auto& [name, value] : env) command += " " + ShellQuote(name + "=" + value);
  command += " " + ShellQuote(CliBinary());
  for (const auto& arg : args) command += " " + ShellQuote(arg);
  command += " >" + ShellQuote(out_file.string()) + " 2>" + ShellQuote(err_file.string()) + " </dev/null";
  int status = std::system(command.c_str());
  CliResult result;
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadFile(out_file);
  result.err = ReadFile(err_file);
  std::filesystem::remove(out_file);
  std::filesystem::remove(err_file);
  return result;
}

std::string FixTime(const std::string& log) {
  return std::regex_replace(log, std::regex("Time: [0-9]+\\.[0-9]s"), "Time: Ts");
}

}  // namespace sparlin::testing
