#include "source_stage/preprocessed_file.h"

namespace sparlin {

UString DecodePreprocessed(std::string_view bytes, TextEncoding format) {
  DetectedBom bom = DetectBom(bytes);
  TextEncoding encoding = bom.length > 0 ? bom.encoding : format;
  return DecodeText(bytes.substr(bom.length), encoding);
}

std::string EncodePreprocessed(UStringView text, TextEncoding format) {
  UString with_break(text);
  with_break += u"\r\n";
  return BomBytes(format) + EncodeText(with_break, format);
}

UString ReadingFailedText(UStringView path) { return u"Reading " + UString(path) + u" was not successful..."; }

UString WritingFailedText(UStringView path) { return u"Writing " + UString(path) + u" was not successful..."; }

}  // namespace sparlin
