// Sparlin's stand-in for the PureBasic command-line compiler. It answers the
// three calls Sparlin makes ("/PREPROCESS", "/COMMENTED", "/REASM") with files
// in the real compiler's shapes, so that Sparlin can be developed and tested
// where the real compiler is not available. It is not PureBasic.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "assembly_writer.h"
#include "installation.h"
#include "preprocessor.h"
#include "program_model.h"
#include "reassembler.h"
#include "self_path.h"
#include "text/ustring.h"
#include "text_util.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace sparlin::standin {
namespace {
namespace fs = std::filesystem;

constexpr const char* kBanner = "Sparlin stand-in compiler (imitates pbcompiler.exe; this is not PureBasic)";

struct Arguments {
  std::string source;
  std::string preprocess_output;
  std::string exe;
  std::string icon;
  std::string resource;
  bool preprocess = false, commented = false, reasm = false, dll = false, console = false;
  bool thread = false, dpi_aware = false, comment_lines = false;
  std::string install_folder;
  std::string error;
};

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  std::vector<std::string> args;
#ifdef _WIN32
  (void)argc;
  (void)argv;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; i < count; ++i) {
    std::wstring w(wide[i]);
    args.push_back(EncodeUtf8(UString(w.begin(), w.end())));
  }
  LocalFree(wide);
#else
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
#endif
  return args;
}

Arguments ParseArguments(const std::vector<std::string>& args) {
  Arguments a;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string word = AsciiLower(args[i]);
    auto value = [&](std::string& into) {
      if (i + 1 >= args.size()) {
        a.error = "Error: the option " + args[i] + " needs a value.";
        return;
      }
      into = args[++i];
    };
    if (word == "--make-installation") value(a.install_folder);
    else if (word == "/preprocess") a.preprocess = true, value(a.preprocess_output);
    else if (word == "/commented") a.commented = true;
    else if (word == "--commented") a.comment_lines = true;
    else if (word == "/reasm") a.reasm = true;
    else if (word == "/exe") value(a.exe);
    else if (word == "/icon") value(a.icon);
    else if (word == "/resource") value(a.resource);
    else if (word == "/dll") a.dll = true;
    else if (word == "/console") a.console = true;
    else if (word == "/thread") a.thread = true;
    else if (word == "/dpiaware") a.dpi_aware = true;
    else if (word == "/xp" || word == "/user" || word == "/administrator" || word == "/linenumbering") continue;
    else if (!word.empty() && word[0] == '/' && !a.source.empty()) a.error = "Error: unknown option " + args[i] + ".";
    else if (a.source.empty()) a.source = args[i];
    else a.error = "Error: unexpected parameter " + args[i] + ".";
    if (!a.error.empty()) break;
  }
  return a;
}

bool ResourceMissing(const Arguments& a) {
  if (a.resource.empty()) return false;
  std::error_code ec;
  return !fs::is_regular_file(NativePath(a.resource), ec);
}

int RunPreprocess(const Arguments& a) {
  fs::path source = NativePath(a.source);
  std::cout << "Preprocessing '" << PathText(source.filename()) << "'..." << std::endl;
  PreprocessResult result = PreprocessSource(source, a.comment_lines);
  if (!result.ok) {
    std::cout << result.error << std::endl;
    return 1;
  }
  fs::path output = NativePath(a.preprocess_output);
  if (!WriteFileBytes(output, result.text)) {
    std::cout << "Error: can't create the file '" << PathText(output) << "'." << std::endl;
    return 1;
  }
  std::cout << "Preprocessed source written to '" << PathText(output.filename()) << "'." << std::endl;
  return 0;
}

int RunCommented(const Arguments& a) {
  fs::path source = NativePath(a.source);
  std::string bytes;
  if (!ReadFileBytes(source, bytes)) {
    std::cout << "Error: can't open the file '" << PathText(source) << "'." << std::endl;
    return 1;
  }
  if (ResourceMissing(a)) {
    std::cout << "Error: resource file not found: '" << a.resource << "'." << std::endl;
    return 1;
  }
  // The target: SPARLIN_STANDIN_TARGET when set, else the IDE options that
  // Sparlin appends to the file it compiles, else x64.
  const char* env = std::getenv("SPARLIN_STANDIN_TARGET");
  std::string chosen = env ? AsciiLower(env) : "";
  TargetOptions target;
  if (chosen == "x86" || chosen == "x64") target.x64 = chosen == "x64";
  else target.x64 = bytes.find("; IDE Options = ") == std::string::npos || bytes.find("(Windows - x86)") == std::string::npos;
  target.dll = a.dll;
  target.console = a.console;
  target.thread = a.thread;
  target.dpi_aware = a.dpi_aware;
  std::cout << "Loading external libraries..." << std::endl;
  ProgramModel program = ReadProgram(EncodeUtf8(DecodeWithBom(bytes)));
  std::cout << "Starting compilation (" << (target.x64 ? "x64" : "x86") << (target.dll ? ", DLL" : "")
            << ")..." << std::endl;
  fs::path folder = fs::current_path();
  AssemblyOutput output = WriteAssembly(program, target, folder);
  for (const std::string& missing : output.unresolved_imports)
    std::cout << "Warning: import library not found: '" << missing << "'." << std::endl;
  if (!WriteFileBytes(folder / "PureBasic.asm", output.assembly)) {
    std::cout << "Error: can't create 'PureBasic.asm'." << std::endl;
    return 1;
  }
  if (target.dll && !WriteFileBytes(folder / "PureBasic.def", output.definitions)) {
    std::cout << "Error: can't create 'PureBasic.def'." << std::endl;
    return 1;
  }
  std::cout << program.main_lines.size() << " lines, " << program.procedures.size() << " procedures, "
            << output.libraries.size() << " runtime libraries." << std::endl;
  std::cout << "Commented assembly written to 'PureBasic.asm'." << std::endl;
  return 0;
}

int RunReassemble(const Arguments& a) {
  if (ResourceMissing(a)) {
    std::cout << "Error: resource file not found: '" << a.resource << "'." << std::endl;
    return 1;
  }
  ReassembleRequest request;
  request.assembly = NativePath(a.source);
  request.output = a.exe.empty() ? fs::path() : NativePath(a.exe);
  fs::path self = SelfPath();
#ifdef _WIN32
  request.runner = self.parent_path() / "sparlin-standin-runner.exe";
#else
  request.runner = self.parent_path() / "sparlin-standin-runner";
#endif
  int code = Reassemble(request, std::cout);
  std::cout.flush();
  return code;
}

}  // namespace
}  // namespace sparlin::standin

int main(int argc, char** argv) {
  using namespace sparlin::standin;
  std::cout << kBanner << std::endl;
  Arguments a = ParseArguments(ProgramArguments(argc, argv));
  if (!a.error.empty()) {
    std::cout << a.error << std::endl;
    return 1;
  }
  if (!a.install_folder.empty()) return WriteInstallationData(NativePath(a.install_folder), std::cout) ? 0 : 1;
  if (a.source.empty()) {
    std::cout << "Usage: pbcompiler \"file\" (/PREPROCESS \"out\" | /COMMENTED | /REASM /EXE \"out\") [options]"
              << std::endl;
    return 1;
  }
  if (a.preprocess) return RunPreprocess(a);
  if (a.commented) return RunCommented(a);
  if (a.reasm) return RunReassemble(a);
  std::cout << "Error: the stand-in only knows /PREPROCESS, /COMMENTED and /REASM." << std::endl;
  return 1;
}
