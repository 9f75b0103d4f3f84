#include "source_stage/preprocessed_file.h"

#include <memory>

#include "text/text_ops.h"

namespace sparlin {

UString DecodePreprocessed(std::string_view bytes, TextEncoding format) {
  DetectedBom bom = DetectBom(bytes);
  TextEncoding encoding = bom.length > 0 ? bom.encoding : format;
  return DecodeText(bytes.substr(bom.length), encoding);
}

std::string TrailingPartialUnit(std::string_view bytes, TextEncoding format) {
  DetectedBom bom = DetectBom(bytes);
  TextEncoding encoding = bom.length > 0 ? bom.encoding : format;
  size_t unit = encoding == TextEncoding::kUtf16LE || encoding == TextEncoding::kUtf16BE ? 2
                : encoding == TextEncoding::kUtf32BE                                     ? 4
                                                                                         : 1;
  size_t body = bytes.size() - bom.length;
  return std::string(bytes.substr(bytes.size() - body % unit));
}

std::string EncodePreprocessed(UStringView text, TextEncoding format, std::string_view trailing) {
  // Written piece by piece into one buffer: the file can be large, and a
  // line break never pairs with the unit before it.
  std::string bytes = BomBytes(format);
  // Made at its size (a UTF-32 text at most), so that it never grows by copy.
  size_t text_bytes = format == TextEncoding::kUtf16LE || format == TextEncoding::kUtf16BE ? 2 * text.size()
                      : format == TextEncoding::kUtf32BE                                   ? 4 * text.size()
                                                                                           : EncodedUtf8Size(text);
  bytes.reserve(bytes.size() + text_bytes + 8 + trailing.size());
  AppendEncodedText(bytes, text, format);
  AppendEncodedText(bytes, u"\r\n", format);
  bytes += trailing;
  return bytes;
}

void RewritePreprocessedFile(BuildContext& ctx, const UString& error_title, int progress, const RemovalPass& pass) {
  const UString& path = ctx.state.globals.OptimizedSourcePath;
  const TextEncoding format = ctx.state.source.SourceFormat;
  std::string bytes;
  if (!ctx.files.ReadWholeFile(path, bytes)) {
    ctx.host.ShowMessage(error_title, ReadingFailedText(path), MessageIcon::kError);
    return;
  }
  const std::string trailing = TrailingPartialUnit(bytes, format);
  DetectedBom bom = DetectBom(bytes);
  TextEncoding encoding = bom.length > 0 ? bom.encoding : format;
  RewrittenText result;
  if (encoding != TextEncoding::kUtf16LE && encoding != TextEncoding::kUtf16BE && encoding != TextEncoding::kUtf32BE) {
    // Decoded as DecodePreprocessed decodes it, a piece at a time.
    result = pass(FileLines::OfUtf8(std::string_view(bytes).substr(bom.length)), [&bytes] { std::string().swap(bytes); });
  } else {
    auto text = std::make_unique<UString>(DecodePreprocessed(bytes, format));
    std::string().swap(bytes);  // frees the bytes (assigning an empty string would keep them)
    result = pass(FileLines::OfText(*text), [&text] { text.reset(); });
  }
  if (!result.ok) {
    ctx.host.ShowMessage(error_title, WritingFailedText(path), MessageIcon::kError);
    return;
  }
  ctx.log.Append(result.log_item);
  ctx.host.SetProgress(progress);
  if (!ctx.files.SafeReplaceFile(path, EncodePreprocessed(result.text, format, trailing))) {
    ctx.host.ShowMessage(error_title, WritingFailedText(path), MessageIcon::kError);
  }
}

}  // namespace sparlin
