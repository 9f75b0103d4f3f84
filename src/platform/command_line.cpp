#include "platform/command_line.h"

namespace sparlin {

std::vector<UString> SplitCommandLine(UStringView p) {
  std::vector<UString> args;
  size_t i = 0;
  while (true) {
    while (i < p.size() && (p[i] == u' ' || p[i] == u'\t')) ++i;
    if (i >= p.size()) break;
    UString arg;
    bool in_quotes = false;
    while (i < p.size()) {
      char16_t c = p[i];
      if (!in_quotes && (c == u' ' || c == u'\t')) break;
      if (c == u'\\') {
        size_t backslashes = 0;
        while (i < p.size() && p[i] == u'\\') ++backslashes, ++i;
        if (i < p.size() && p[i] == u'"') {
          arg.append(backslashes / 2, u'\\');
          if (backslashes % 2 == 1) {
            arg.push_back(u'"');
            ++i;
          }
        } else {
          arg.append(backslashes, u'\\');
        }
        continue;
      }
      if (c == u'"') {
        if (in_quotes && i + 1 < p.size() && p[i + 1] == u'"') {
          arg.push_back(u'"');
          i += 2;
          continue;
        }
        in_quotes = !in_quotes;
        ++i;
        continue;
      }
      arg.push_back(c);
      ++i;
    }
    args.push_back(std::move(arg));
  }
  return args;
}

UString QuoteArgument(UStringView argument) {
  if (!argument.empty() && argument.find_first_of(u" \t\"") == UStringView::npos) return UString(argument);
  return QuotedPath(argument);
}

UString QuotedPath(UStringView argument) {
  UString out = u"\"";
  size_t backslashes = 0;
  for (char16_t c : argument) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    if (c == u'"') out.append(backslashes * 2 + 1, u'\\');
    else out.append(backslashes, u'\\');
    backslashes = 0;
    out.push_back(c);
  }
  out.append(backslashes * 2, u'\\');
  out.push_back(u'"');
  return out;
}

}  // namespace sparlin
