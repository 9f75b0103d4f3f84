#include "text/ustring.h"

#include <cstring>

#include "text/utf8_sequence.h"

namespace sparlin {
namespace {

// Appends characters to a string through a small buffer: the string is made
// at its size once (reserve) and written once, never zero-filled only to be
// overwritten.
template <typename Char>
class ChunkWriter {
 public:
  explicit ChunkWriter(std::basic_string<Char>& out) : out_(out) {}
  ChunkWriter(const ChunkWriter&) = delete;
  ChunkWriter& operator=(const ChunkWriter&) = delete;
  ~ChunkWriter() { Flush(); }

  void Put(Char c) {
    buffer_[size_++] = c;
    if (size_ == kSize) Flush();
  }
  // Room for `count` (at most 8) characters, written by the caller.
  Char* Room(size_t count) {
    if (size_ + count >= kSize) Flush();  // keeps a free place for Put
    Char* room = buffer_ + size_;
    size_ += count;
    return room;
  }
  void Flush() {
    out_.append(buffer_, size_);
    size_ = 0;
  }

 private:
  static constexpr size_t kSize = 512;
  std::basic_string<Char>& out_;
  Char buffer_[kSize];
  size_t size_ = 0;
};

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
  UString out;
  out.reserve(bytes.size());  // never more code units than bytes
  ChunkWriter<char16_t> o(out);
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  size_t n = bytes.size();
  size_t i = 0;
  while (i < n) {
    // Runs of ASCII, the bulk of source and assembly text, eight bytes at a time.
    uint64_t eight;
    if (i + 8 <= n && (std::memcpy(&eight, p + i, 8), (eight & 0x8080808080808080ull) == 0)) {
      char16_t* room = o.Room(8);
      for (int k = 0; k < 8; ++k) room[k] = p[i + k];
      i += 8;
      continue;
    }
    unsigned char b = p[i];
    if (b < 0x80) {
      o.Put(b);
      ++i;
      continue;
    }
    uint32_t cp = 0;
    size_t len = ReadUtf8Sequence(p, i, n, cp);
    // Surrogates are not valid UTF-8 either.
    bool ok = len > 0 && !IsSurrogate(cp);
    if (!ok) {
      o.Put(static_cast<char16_t>(0xDC00 + b));
      ++i;
    } else if (cp < 0x10000) {
      o.Put(static_cast<char16_t>(cp));
      i += len;
    } else {
      cp -= 0x10000;
      o.Put(static_cast<char16_t>(0xD800 + (cp >> 10)));
      o.Put(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
      i += len;
    }
  }
  o.Flush();
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
// counted first, so the bytes are written once into room made once.
void AppendUtf8Text(std::string& out, UStringView text) {
  out.reserve(out.size() + Utf8Size(text));
  ChunkWriter<char> o(out);
  auto put = [&o](uint32_t byte) { o.Put(static_cast<char>(byte)); };
  size_t i = 0;
  while (i < text.size()) {
    // Runs of ASCII, the bulk of source and assembly text, four units at a time.
    uint64_t four;
    if (i + 4 <= text.size() && (std::memcpy(&four, text.data() + i, 8), (four & 0xFF80FF80FF80FF80ull) == 0)) {
      char* room = o.Room(4);
      for (int k = 0; k < 4; ++k) room[k] = static_cast<char>(text[i + k]);
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
    case TextEncoding::kUtf16BE: {
      out.reserve(at + text.size() * 2);
      ChunkWriter<char> o(out);
      const int low = encoding == TextEncoding::kUtf16LE ? 0 : 1;
      size_t i = 0;
      for (; i + 4 <= text.size(); i += 4) {
        char* room = o.Room(8);
        for (int k = 0; k < 4; ++k) {
          room[2 * k + low] = static_cast<char>(text[i + k] & 0xFF);
          room[2 * k + 1 - low] = static_cast<char>(text[i + k] >> 8);
        }
      }
      for (; i < text.size(); ++i) {
        char* room = o.Room(2);
        room[low] = static_cast<char>(text[i] & 0xFF);
        room[1 - low] = static_cast<char>(text[i] >> 8);
      }
      return;
    }
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
