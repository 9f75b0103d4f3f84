#include "source_stage/source_encoding.h"

#include "source_stage/preprocessed_file.h"

namespace sparlin {

UString StringFormatLogItem(TextEncoding format) {
  switch (format) {
    case TextEncoding::kUtf8: return u"\t·  StringFormat: UTF8\r\n";
    case TextEncoding::kAscii: return u"\t·  StringFormat: Ascii\r\n";
    case TextEncoding::kUtf16LE: return u"\t·  StringFormat: Unicode\r\n";
    default: return UString();
  }
}

std::string ConvertedPreprocessedBytes(std::string_view compiler_bytes, TextEncoding format) {
  // The compiler writes UTF-8; a mark that is already there (a file that was
  // converted before) is skipped and read by its own kind, so no second mark
  // is added.
  const std::string trailing = TrailingPartialUnit(compiler_bytes, TextEncoding::kUtf8);
  DetectedBom bom = DetectBom(compiler_bytes);
  if (bom.length == 0 || bom.encoding == TextEncoding::kUtf8) {
    return EncodePreprocessedBytes(compiler_bytes.substr(bom.length), Utf8Form::kFile, format, trailing);
  }
  return EncodePreprocessed(DecodePreprocessed(compiler_bytes, TextEncoding::kUtf8), format, trailing);
}

bool ConvertSourceEncoding(BuildContext& ctx) {
  const TextEncoding format = ctx.state.source.SourceFormat;
  const UString& path = ctx.state.globals.OptimizedSourcePath;
  ctx.log.Append(StringFormatLogItem(format));
  ctx.host.SetProgress(17);
  // A compiler that reported success without writing the file must not lead
  // to a build of nothing.
  std::string bytes;
  if (!ctx.files.FileExists(path) || (format != TextEncoding::kAscii && !ctx.files.ReadWholeFile(path, bytes))) {
    ctx.host.ShowMessage(u"Error Convert", ReadingFailedText(path), MessageIcon::kError);
    return false;
  }
  if (format == TextEncoding::kAscii) return true;
  std::string converted = ConvertedPreprocessedBytes(bytes, format);
  std::string().swap(bytes);  // frees the compiler's bytes before the new ones are written
  if (!ctx.files.SafeReplaceFile(path, converted)) {
    ctx.host.ShowMessage(u"Error Convert", WritingFailedText(path), MessageIcon::kError);
    return false;
  }
  return true;
}

}  // namespace sparlin
