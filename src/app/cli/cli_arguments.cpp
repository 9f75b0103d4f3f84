#include "app/cli/cli_arguments.h"

#include "text/text_ops.h"

namespace sparlin {

const char kCliUsage[] =
    "usage: sparlin-cli [--set KEY=VALUE]... [--log FILE] [--run] [--trace] [--report FILE] [--compare]\n"
    "                   [--] PARAM1 [PARAM2]\n"
    "  Builds PARAM1 (or PARAM2 when PARAM1 is blank) through the PureBasic compiler named by\n"
    "  PB_TOOL_Compiler, as one Compile of the Sparlin window would, and prints the run log.\n"
    "  --set KEY=VALUE  override a setting of Sparlin.ini for this run (repeatable)\n"
    "  --log FILE       save the run log to FILE afterwards\n"
    "  --run            run the built program afterwards and report an access violation\n"
    "  --trace          report progress, button and sound effects on standard error\n"
    "  --report FILE    write what the build did to FILE as one JSON document (UTF-8), also\n"
    "                   when it fails: version, source, output {path, bytes}, settings,\n"
    "                   stages [{name, ran, arguments, exit_code, seconds}], removed {macros,\n"
    "                   procedures, pruning_ran, functions, libraries [{name, reason}]},\n"
    "                   kept_libraries [{name, symbols [{name, call_count}], rule}],\n"
    "                   dlls_copied [{name, path}], messages [{title, text}], result, exit_code\n"
    "  --compare        build the assembly once more without library pruning into a temporary\n"
    "                   file, print \"[size N without pruning M, P% smaller]\" on standard error\n"
    "                   and add output.bytes_without_pruning and output.bytes_saved (or\n"
    "                   output.compare_failed / compare_skipped) to the report; needs CreateOUT=1\n"
    "  -h, --help       print this text and exit\n"
    "  --version        print the version and exit\n";

namespace {

bool IsDecimalInteger(const UString& text) {
  size_t i = (!text.empty() && (text[0] == u'-' || text[0] == u'+')) ? 1 : 0;
  if (i >= text.size() || text.size() - i > 18) return false;
  for (; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9') return false;
  }
  return true;
}

bool ParseOverride(const UString& assignment, OptionOverride& out, std::string& error) {
  size_t eq = assignment.find(u'=');
  if (eq == UString::npos) {
    error = "--set needs KEY=VALUE";
    return false;
  }
  UString key = assignment.substr(0, eq);
  UString value = assignment.substr(eq + 1);
  auto option = OptionFromKey(key);
  if (!option) {
    error = "unknown setting: " + EncodeUtf8(key);
    return false;
  }
  out.option = *option;
  if (*option == Option::Suffix) {
    out.text = value;
    return true;
  }
  if (!IsDecimalInteger(value)) {
    error = "setting " + EncodeUtf8(key) + " takes a decimal integer, not \"" + EncodeUtf8(value) + "\"";
    return false;
  }
  out.number = LeadingInteger(value);
  return true;
}

}  // namespace

std::optional<CliArguments> ParseCliArguments(const std::vector<UString>& args, std::string& error) {
  CliArguments parsed;
  bool options_done = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const UString& arg = args[i];
    // Help and version end the reading: nothing after them is built.
    if (!options_done && (arg == u"--help" || arg == u"-h")) {
      parsed.help = true;
      return parsed;
    }
    if (!options_done && arg == u"--version") {
      parsed.version = true;
      return parsed;
    }
    if (!options_done && StartsWith(arg, u"--")) {
      if (arg == u"--") {
        options_done = true;
      } else if (arg == u"--set" || arg == u"--log") {
        if (i + 1 >= args.size()) {
          error = EncodeUtf8(arg) + " needs a value";
          return std::nullopt;
        }
        const UString& value = args[++i];
        if (arg == u"--log") {
          parsed.log_file = value;
        } else {
          OptionOverride o{};
          if (!ParseOverride(value, o, error)) return std::nullopt;
          parsed.overrides.push_back(o);
        }
      } else if (arg == u"--report") {
        if (i + 1 >= args.size()) {
          error = "--report needs a value";
          return std::nullopt;
        }
        parsed.report_file = args[++i];
      } else if (arg == u"--compare") {
        parsed.compare = true;
      } else if (arg == u"--run") {
        parsed.run = true;
      } else if (arg == u"--trace") {
        parsed.trace = true;
      } else {
        error = "unknown option: " + EncodeUtf8(arg);
        return std::nullopt;
      }
      continue;
    }
    parsed.parameters.push_back(arg);
  }
  if (parsed.parameters.size() > 2) {
    error = "at most two parameters (PARAM1 PARAM2)";
    return std::nullopt;
  }
  return parsed;
}

void ApplyOverrides(const std::vector<OptionOverride>& overrides, OptionValues& values) {
  for (const auto& o : overrides) {
    if (o.option == Option::Suffix) values.suffix = o.text;
    else values.Set(o.option, ClampOptionValue(o.option, o.number));
  }
}

}  // namespace sparlin
