#include "text/ustring.h"

#include <cstring>

namespace sparlin {
namespace {

void AppendCodePoint(UString& out, uint32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

// Code points from UTF-16 with lone surrogates passed through as themselves.
template <typename Fn>
void ForEachCodePoint(UStringView text, Fn fn) {
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      fn(0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00u));
      ++i;
    } else {
      fn(c);
    }
  }
}

}  // namespace

UString DecodeUtf8(std::string_view bytes) {
  // Never more code units than bytes: written in place, then cut to size.
  UString out(bytes.size(), u'\0');
  char16_t* o = out.data();
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  size_t n = bytes.size();
  size_t i = 0;
  while (i < n) {
    // Runs of ASCII, the bulk of source and assembly text, eight bytes at a time.
    uint64_t eight;
    if (i + 8 <= n && (std::memcpy(&eight, p + i, 8), (eight & 0x8080808080808080ull) == 0)) {
      for (int k = 0; k < 8; ++k) o[k] = p[i + k];
      o += 8;
      i += 8;
      continue;
    }
    unsigned char b = p[i];
    if (b < 0x80) {
      *o++ = b;
      ++i;
      continue;
    }
    int len = 0;
    uint32_t cp = 0;
    uint32_t min = 0;
    if (b >= 0xC2 && b <= 0xDF) {
      len = 2, cp = b & 0x1F, min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
      len = 3, cp = b & 0x0F, min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
      len = 4, cp = b & 0x07, min = 0x10000;
    }
    bool ok = len > 0 && i + len <= n;
    for (int k = 1; ok && k < len; ++k) {
      if ((p[i + k] & 0xC0) != 0x80) ok = false;
      else cp = (cp << 6) | (p[i + k] & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not valid UTF-8.
    if (ok && (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000))) ok = false;
    if (!ok) {
      *o++ = static_cast<char16_t>(0xDC00 + b);
      ++i;
    } else if (cp < 0x10000) {
      *o++ = static_cast<char16_t>(cp);
      i += len;
    } else {
      cp -= 0x10000;
      *o++ = static_cast<char16_t>(0xD800 + (cp >> 10));
      *o++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
      i += len;
    }
  }
  out.resize(static_cast<size_t>(o - out.data()));
  return out;
}

namespace {

bool IsSurrogatePair(UStringView text, size_t i) {
  return text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
         text[i + 1] < 0xE000;
}

// The UTF-8 size of `text`, counted as AppendUtf8Text writes it.
size_t Utf8Size(UStringView text) {
  size_t size = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t c = text[i];
    if (c < 0x80) {
      size += 1;
    } else if (c < 0x800) {
      size += 2;
    } else if (IsSurrogatePair(text, i)) {
      size += 4;
      ++i;
    } else if (c >= 0xDC80 && c <= 0xDCFF) {
      size += 1;  // an undecodable byte
    } else {
      size += 3;  // the rest of the plane, U+FFFD for other lone surrogates
    }
  }
  return size;
}

// Appends the text in UTF-8: a lone surrogate U+DC80..U+DCFF is the byte it
// stands for, any other lone surrogate becomes U+FFFD. The exact size is
// counted first, so the bytes are written in place.
void AppendUtf8Text(std::string& out, UStringView text) {
  size_t start = out.size();
  out.resize(start + Utf8Size(text));
  char* o = out.data() + start;
  auto put = [&o](uint32_t byte) { *o++ = static_cast<char>(byte); };
  size_t i = 0;
  while (i < text.size()) {
    // Runs of ASCII, the bulk of source and assembly text, four units at a time.
    uint64_t four;
    if (i + 4 <= text.size() && (std::memcpy(&four, text.data() + i, 8), (four & 0xFF80FF80FF80FF80ull) == 0)) {
      for (int k = 0; k < 4; ++k) o[k] = static_cast<char>(text[i + k]);
      o += 4;
      i += 4;
      continue;
    }
    uint32_t cp = text[i];
    if (IsSurrogatePair(text, i)) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
      i += 2;
    } else {
      ++i;
    }
    if (cp >= 0xDC80 && cp <= 0xDCFF) {
      put(cp - 0xDC00);
      continue;
    }
    if (cp >= 0xD800 && cp < 0xE000) cp = 0xFFFD;
    if (cp < 0x80) {
      put(cp);
    } else if (cp < 0x800) {
      put(0xC0 | (cp >> 6));
      put(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      put(0xE0 | (cp >> 12));
      put(0x80 | ((cp >> 6) & 0x3F));
      put(0x80 | (cp & 0x3F));
    } else {
      put(0xF0 | (cp >> 18));
      put(0x80 | ((cp >> 12) & 0x3F));
      put(0x80 | ((cp >> 6) & 0x3F));
      put(0x80 | (cp & 0x3F));
    }
  }
}

}  // namespace

size_t EncodedUtf8Size(UStringView text) { return Utf8Size(text); }

std::string EncodeUtf8(UStringView text) {
  std::string out;
  AppendUtf8Text(out, text);
  return out;
}

DetectedBom DetectBom(std::string_view b) {
  auto at = [&](size_t i) { return static_cast<unsigned char>(b[i]); };
  if (b.size() >= 3 && at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) return {TextEncoding::kUtf8, 3};
  if (b.size() >= 4 && at(0) == 0 && at(1) == 0 && at(2) == 0xFE && at(3) == 0xFF)
    return {TextEncoding::kUtf32BE, 4};
  if (b.size() >= 2 && at(0) == 0xFF && at(1) == 0xFE) return {TextEncoding::kUtf16LE, 2};
  if (b.size() >= 2 && at(0) == 0xFE && at(1) == 0xFF) return {TextEncoding::kUtf16BE, 2};
  return {TextEncoding::kAscii, 0};
}

std::string BomBytes(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::kUtf8: return "\xEF\xBB\xBF";
    case TextEncoding::kUtf16LE: return "\xFF\xFE";
    case TextEncoding::kUtf16BE: return "\xFE\xFF";
    case TextEncoding::kUtf32BE: return std::string("\x00\x00\xFE\xFF", 4);
    default: return "";
  }
}

UString DecodeText(std::string_view bytes, TextEncoding encoding) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  UString out;
  switch (encoding) {
    case TextEncoding::kUtf16LE:
      out.reserve(bytes.size() / 2);
      for (size_t i = 0; i + 1 < bytes.size(); i += 2) out.push_back(static_cast<char16_t>(p[i] | (p[i + 1] << 8)));
      return out;
    case TextEncoding::kUtf16BE:
      out.reserve(bytes.size() / 2);
      for (size_t i = 0; i + 1 < bytes.size(); i += 2) out.push_back(static_cast<char16_t>((p[i] << 8) | p[i + 1]));
      return out;
    case TextEncoding::kUtf32BE:
      for (size_t i = 0; i + 3 < bytes.size(); i += 4) {
        uint32_t cp = (uint32_t(p[i]) << 24) | (p[i + 1] << 16) | (p[i + 2] << 8) | p[i + 3];
        AppendCodePoint(out, cp > 0x10FFFF ? 0xFFFD : cp);
      }
      return out;
    default:
      return DecodeUtf8(bytes);
  }
}

void AppendEncodedText(std::string& out, UStringView text, TextEncoding encoding) {
  size_t at = out.size();
  switch (encoding) {
    case TextEncoding::kUtf16LE:
      out.resize(at + text.size() * 2);
      for (size_t i = 0; i < text.size(); ++i) {
        out[at + 2 * i] = static_cast<char>(text[i] & 0xFF);
        out[at + 2 * i + 1] = static_cast<char>(text[i] >> 8);
      }
      return;
    case TextEncoding::kUtf16BE:
      out.resize(at + text.size() * 2);
      for (size_t i = 0; i < text.size(); ++i) {
        out[at + 2 * i] = static_cast<char>(text[i] >> 8);
        out[at + 2 * i + 1] = static_cast<char>(text[i] & 0xFF);
      }
      return;
    case TextEncoding::kUtf32BE:
      out.reserve(at + text.size() * 4);
      ForEachCodePoint(text, [&](uint32_t cp) {
        for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((cp >> shift) & 0xFF));
      });
      return;
    default:
      AppendUtf8Text(out, text);
      return;
  }
}

std::string EncodeText(UStringView text, TextEncoding encoding) {
  std::string out;
  AppendEncodedText(out, text, encoding);
  return out;
}

UString DecodeWithBom(std::string_view bytes) {
  DetectedBom bom = DetectBom(bytes);
  return DecodeText(bytes.substr(bom.length), bom.encoding);
}

}  // namespace sparlin
