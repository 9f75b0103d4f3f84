#include "source_stage/preprocessed_file.h"

#include "platform/platform.h"
#include "text/text_ops.h"

namespace sparlin {

UString DecodePreprocessed(std::string_view bytes, TextEncoding format) {
  DetectedBom bom = DetectBom(bytes);
  TextEncoding encoding = bom.length > 0 ? bom.encoding : format;
  return DecodeText(bytes.substr(bom.length), encoding);
}

std::string EncodePreprocessed(UStringView text, TextEncoding format) {
  // Written piece by piece into one buffer: the file can be large, and a
  // line break never pairs with the unit before it.
  std::string bytes = BomBytes(format);
  AppendEncodedText(bytes, text, format);
  AppendEncodedText(bytes, u"\r\n", format);
  return bytes;
}

UString ReadingFailedText(UStringView path) { return u"Reading " + UString(path) + u" was not successful..."; }

UString WritingFailedText(UStringView path) { return u"Writing " + UString(path) + u" was not successful..."; }

void RewritePreprocessedFile(BuildContext& ctx, const UString& error_title, int progress,
                             const std::function<RewrittenText(const std::vector<UString>&)>& pass) {
  const UString& path = ctx.state.globals.OptimizedSourcePath;
  const TextEncoding format = ctx.state.source.SourceFormat;
  std::string bytes;
  if (!platform::ReadWholeFile(path, bytes)) {
    ctx.host.ShowMessage(error_title, ReadingFailedText(path), MessageIcon::kError);
    return;
  }
  RewrittenText result = pass(SplitLines(DecodePreprocessed(bytes, format)));
  if (!result.ok) {
    ctx.host.ShowMessage(error_title, WritingFailedText(path), MessageIcon::kError);
    return;
  }
  ctx.log.Append(result.log_item);
  ctx.host.SetProgress(progress);
  if (!platform::SafeReplaceFile(path, EncodePreprocessed(result.text, format))) {
    ctx.host.ShowMessage(error_title, WritingFailedText(path), MessageIcon::kError);
  }
}

}  // namespace sparlin
