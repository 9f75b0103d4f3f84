#include "pruning/literal_text.h"

#include "asm_format/reference_forms.h"
#include "text/utf8_pieces.h"

namespace sparlin {
namespace {

constexpr std::string_view kEndLabel = "PB_EndFunctions:\r\n";
constexpr size_t kEndOffset = 16;  // the search starts this far behind the label's start

std::vector<Utf8Pattern> Utf8Forms(const std::vector<UString>& forms) {
  std::vector<Utf8Pattern> out;
  out.reserve(forms.size());
  for (const UString& form : forms) out.emplace_back(form);
  return out;
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

}  // namespace

std::vector<int64_t> LiteralText::CountReferences(const std::vector<UString>& symbols,
                                                  const std::vector<UString>&) {
  std::vector<int64_t> counts;
  counts.reserve(symbols.size());
  for (const UString& symbol : symbols) {
    int64_t sum = 0;
    for (const Utf8Pattern& form : Utf8Forms(CountedForms(symbol, is_64_bit_))) {
      sum += static_cast<int64_t>(form.Count(text_));
    }
    counts.push_back(sum);
  }
  return counts;
}

void LiteralText::CommentOutFirst(const Utf8Pattern& form) {
  size_t hit = form.Find(text_);
  if (hit != std::string::npos) text_.insert(hit, "; ");
}

void LiteralText::CommentOutAll(const Utf8Pattern& form) {
  std::string out;
  size_t copied = 0;
  for (size_t at = form.Find(text_); at != std::string::npos; at = form.Find(text_, at + form.bytes().size())) {
    out.append(text_, copied, at - copied);
    out += "; ";
    copied = at;
  }
  if (copied == 0 && out.empty()) return;
  out.append(text_, copied, std::string::npos);
  text_ = std::move(out);
}

void LiteralText::CommentOutFirstDeclaration(const UString& symbol) {
  for (const Utf8Pattern& form : Utf8Forms(DeclarationForms(symbol, is_64_bit_))) CommentOutFirst(form);
}

void LiteralText::CommentOutFunction(const UString& symbol) {
  for (const Utf8Pattern& form : Utf8Forms(DeclarationForms(symbol, is_64_bit_))) CommentOutAll(form);
  for (const Utf8Pattern& form : Utf8Forms(CallForms(symbol, is_64_bit_))) CommentOutAll(form);
}

bool LiteralText::Declares(DeclarationCheck check) {
  std::string name(DeclarationCheckName(check));
  return Contains(text_, "extrn " + name) || Contains(text_, "extrn _" + name);
}

bool LiteralText::MentionsSimpleListHelpers() { return Contains(text_, "PB_SimpleList_"); }

bool LiteralText::HasHeaderLine(const UString& library) {
  return Utf8Pattern(u"; " + library + u"\r\n").Find(text_) != std::string::npos;
}

void LiteralText::RemoveHeaderLine(const UString& library) {
  Utf8Pattern header(u"; " + library + u"\r\n");
  size_t hit = header.Find(text_);
  if (hit != std::string::npos) text_.erase(hit, header.bytes().size());
}

bool LiteralText::OccursBehindEndFunctions(const UString& symbol) {
  size_t label = text_.find(kEndLabel);
  // The label is ASCII, so 16 characters behind its start are 16 bytes.
  size_t from = label == std::string::npos ? ByteOfUnit(text_, kEndOffset - 1) : label + kEndOffset;
  return Utf8Pattern(symbol).Find(text_, from) != std::string::npos;
}

}  // namespace sparlin
