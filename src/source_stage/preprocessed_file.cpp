#include "source_stage/preprocessed_file.h"

#include <memory>

namespace sparlin {
namespace {

bool IsUtf8Kind(TextEncoding encoding) {
  return encoding != TextEncoding::kUtf16LE && encoding != TextEncoding::kUtf16BE &&
         encoding != TextEncoding::kUtf32BE;
}

}  // namespace

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

std::string EncodePreprocessedBytes(std::string_view text, Utf8Form form, TextEncoding format,
                                    std::string_view trailing) {
  if (format == TextEncoding::kUtf16LE || format == TextEncoding::kUtf16BE) {
    std::string bytes = BomBytes(format);
    const bool big_endian = format == TextEncoding::kUtf16BE;
    AppendBytesAsUtf16(bytes, text, form, big_endian);
    AppendBytesAsUtf16(bytes, "\r\n", form, big_endian);
    bytes.append(trailing);
    return bytes;
  }
  if (form != Utf8Form::kFile || !IsUtf8Kind(format)) {
    return EncodePreprocessed(DecodeUtf8As(text, form), format, trailing);
  }
  // UTF-8 bytes decode and encode back to themselves.
  std::string bytes = BomBytes(format);
  bytes.reserve(bytes.size() + text.size() + 2 + trailing.size());
  bytes.append(text);
  bytes.append("\r\n");
  bytes.append(trailing);
  return bytes;
}

std::string EncodePreprocessedBytes(std::string&& text, Utf8Form form, TextEncoding format,
                                    std::string_view trailing) {
  if (form != Utf8Form::kFile || !IsUtf8Kind(format)) {
    return EncodePreprocessedBytes(std::string_view(text), form, format, trailing);
  }
  // A working text has room behind it: the mark moves the text within its
  // buffer instead of into a new one.
  std::string bytes = std::move(text);
  bytes.insert(0, BomBytes(format));
  bytes.append("\r\n");
  bytes.append(trailing);
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
  Utf8Form form = Utf8Form::kFile;
  RewrittenText result;
  if (IsUtf8Kind(encoding)) {
    // Read as DecodePreprocessed reads it, on its bytes.
    result = pass(SourceText(std::string_view(bytes).substr(bom.length)), [&bytes] { std::string().swap(bytes); });
  } else if (encoding == TextEncoding::kUtf16LE || encoding == TextEncoding::kUtf16BE) {
    form = Utf8Form::kWithSurrogates;
    auto text = std::make_unique<std::string>(
        Utf16FileAsBytes(std::string_view(bytes).substr(bom.length), encoding == TextEncoding::kUtf16BE));
    std::string().swap(bytes);  // frees the bytes (assigning an empty string would keep them)
    result = pass(SourceText(*text, form), [&text] { text.reset(); });
  } else {
    // UTF-32: its code points become the units of a UTF-16 text first, where
    // two surrogates in a row make one pair.
    form = Utf8Form::kWithSurrogates;
    UString decoded = DecodePreprocessed(bytes, format);
    std::string().swap(bytes);  // frees the bytes (assigning an empty string would keep them)
    auto text = std::make_unique<std::string>(Utf16AsBytes(decoded));
    UString().swap(decoded);
    result = pass(SourceText(*text, form), [&text] { text.reset(); });
  }
  if (!result.ok) {
    ctx.host.ShowMessage(error_title, WritingFailedText(path), MessageIcon::kError);
    return;
  }
  ctx.log.Append(result.log_item);
  ctx.host.SetProgress(progress);
  if (!ctx.files.SafeReplaceFile(path, EncodePreprocessedBytes(std::move(result.text), form, format, trailing))) {
    ctx.host.ShowMessage(error_title, WritingFailedText(path), MessageIcon::kError);
  }
}

}  // namespace sparlin
