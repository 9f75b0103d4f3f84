#include "source_stage/definition_blocks.h"

#include "text/text_ops.h"

namespace sparlin {

UString DefinitionName(UStringView line) {
  return StringField(line.substr(0, line.find(u'(')), 2, u' ');
}

bool OpensBlock(UStringView line, UStringView keyword, UStringView next_chars) {
  size_t first = line.find_first_not_of(u" \t");
  if (first == UStringView::npos) return false;
  UStringView rest = line.substr(first);
  return rest.size() > keyword.size() && rest.substr(0, keyword.size()) == keyword &&
         next_chars.find(rest[keyword.size()]) != UStringView::npos;
}

void CutBlock(UString& text, size_t start, size_t end) {
  UStringView after = UStringView(text).substr(end);
  size_t first = after.find_first_not_of(u'\r');
  size_t last = after.find_last_not_of(u'\r');
  UStringView kept;
  if (first != UStringView::npos) {
    kept = after.substr(first, last - first + 1);
    first = kept.find_first_not_of(u'\n');
    last = kept.find_last_not_of(u'\n');
    kept = first == UStringView::npos ? UStringView() : kept.substr(first, last - first + 1);
  }
  // `kept` lies within `text` after `end`, so it can be moved down in place.
  size_t kept_from = kept.empty() ? end : static_cast<size_t>(kept.data() - text.data());
  size_t kept_size = kept.size();
  text.erase(start, kept_from - start);
  text.resize(start + kept_size);
}

UString RemovalLogItem(UStringView caption, size_t count, const std::vector<UString>& names) {
  UString item = UString(caption) + ToDecimal(static_cast<int64_t>(count)) + u"\r\n";
  if (!names.empty()) {
    item += u"\r\n";
    for (const UString& name : names) item += u"\t\t" + name + u"()\r\n";
  }
  return item;
}

}  // namespace sparlin
