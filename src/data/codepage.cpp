// The conversions run on byte tables built once from glibc iconv, so converting a million
// record fields never opens a converter.
#include "data/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace obrazac {
namespace {

constexpr char kUnmapped = '?';
constexpr char32_t kIllFormed = kNoCodePoint;

// Reads one character of UTF-8 at text[pos]. Returns the bytes taken; cp is kIllFormed when they
// do not form a character, and then the bytes taken are the longest start of a well-formed
// sequence (at least one), so each ill-formed stretch becomes one '?'.
std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(text[pos]);
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  }
  std::size_t need = 0;
  char32_t value = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the next byte
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    need = 1;
    value = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    need = 2;
    value = b0 & 0x0F;
    if (b0 == 0xE0) lo = 0xA0;  // overlong
    if (b0 == 0xED) hi = 0x9F;  // surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    need = 3;
    value = b0 & 0x07;
    if (b0 == 0xF0) lo = 0x90;  // overlong
    if (b0 == 0xF4) hi = 0x8F;  // beyond U+10FFFF
  } else {
    cp = kIllFormed;
    return 1;
  }
  const std::size_t avail = text.size() - pos;
  std::size_t i = 1;
  for (; i <= need; ++i) {
    if (i >= avail) break;
    const auto b = static_cast<unsigned char>(text[pos + i]);
    if (b < lo || b > hi) break;
    value = value << 6 | (b & 0x3F);
    lo = 0x80;
    hi = 0xBF;
  }
  cp = i > need ? value : kIllFormed;
  return i;
}

std::string encodeUtf8(char32_t cp) {
  std::string out;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | cp >> 6);
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | cp >> 12);
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // The conversion of a single byte, or nothing when the target has no such character.
  std::string convertByte(unsigned char byte) {
    char in = static_cast<char>(byte);
    char out[8];
    char* inPtr = &in;
    char* outPtr = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0)
      return {};
    return std::string(out, outPtr);
  }

 private:
  iconv_t cd_;
};

struct Tables {
  struct Utf8Char {
    std::uint8_t size = 0;
    char bytes[3] = {};
  };
  std::array<Utf8Char, 256> utf8;               // Windows-1250 byte -> UTF-8
  std::vector<std::int16_t> cp1250ByCodePoint;  // code point -> Windows-1250 byte, -1 for none
  std::array<char32_t, 256> byteCodePoint;      // Windows-1250 byte -> code point
  std::array<char, 256> cp852;                  // Windows-1250 byte -> OEM 852 byte
  std::array<char, 256> cp1250FromCp852;        // OEM 852 byte -> Windows-1250 byte

  Tables() {
    Converter toUtf8("UTF-8", "CP1250");
    Converter toOem("CP852", "CP1250");
    Converter fromOem("CP1250", "CP852");
    std::array<char32_t, 256> codePoint{};
    char32_t highest = 0;
    for (int b = 0; b < 256; ++b) {
      std::string u = toUtf8.convertByte(static_cast<unsigned char>(b));
      char32_t cp = kIllFormed;
      if (!u.empty() && decodeUtf8(u, 0, cp) != u.size()) cp = kIllFormed;
      if (cp == kIllFormed || cp > 0xFFFF) {
        // Undefined in Windows-1250: keep the byte as the C1 control of the same value.
        cp = static_cast<char32_t>(b);
        u = encodeUtf8(cp);
      }
      codePoint[b] = cp;
      highest = std::max(highest, cp);
      utf8[b].size = static_cast<std::uint8_t>(u.size());
      u.copy(utf8[b].bytes, u.size());

      const std::string oem = toOem.convertByte(static_cast<unsigned char>(b));
      cp852[b] = oem.size() == 1 ? oem[0] : kUnmapped;
      const std::string back = fromOem.convertByte(static_cast<unsigned char>(b));
      cp1250FromCp852[b] = back.size() == 1 ? back[0] : kUnmapped;
    }
    byteCodePoint = codePoint;
    cp1250ByCodePoint.assign(highest + 1, -1);
    for (int b = 0; b < 256; ++b)
      if (cp1250ByCodePoint[codePoint[b]] < 0)
        cp1250ByCodePoint[codePoint[b]] = static_cast<std::int16_t>(b);
  }
};

const Tables& tables() {
  static const Tables t;
  return t;
}

// The length of the text's leading run of ASCII, which reads the same in Windows-1250 and UTF-8
// (domain text is mostly such).
std::size_t asciiPrefix(std::string_view text) {
  std::size_t n = 0;
  for (std::uint64_t word; n + sizeof word <= text.size(); n += sizeof word) {
    std::memcpy(&word, text.data() + n, sizeof word);
    if (word & 0x8080808080808080ULL) break;
  }
  while (n < text.size() && static_cast<unsigned char>(text[n]) < 0x80) ++n;
  return n;
}

void convertBytes(std::span<char> text, const std::array<char, 256>& table) {
  for (char& c : text) c = table[static_cast<unsigned char>(c)];
}

}  // namespace

std::string utf8FromCp1250(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendUtf8FromCp1250(out, text);
  return out;
}

std::string cp1250FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  appendCp1250FromUtf8(out, utf8);
  return out;
}

// Both conversions copy each run of ASCII as it is and look up only the characters in between.
void appendUtf8FromCp1250(std::string& out, std::string_view text) {
  const Tables& t = tables();
  while (!text.empty()) {
    const std::size_t plain = asciiPrefix(text);
    out.append(text.data(), plain);
    text.remove_prefix(plain);
    if (text.empty()) break;
    const auto& u = t.utf8[static_cast<unsigned char>(text.front())];
    out.append(u.bytes, u.size);
    text.remove_prefix(1);
  }
}

void appendCp1250FromUtf8(std::string& out, std::string_view utf8) {
  const Tables& t = tables();
  while (!utf8.empty()) {
    const std::size_t plain = asciiPrefix(utf8);
    out.append(utf8.data(), plain);
    utf8.remove_prefix(plain);
    if (utf8.empty()) break;
    char32_t cp;
    utf8.remove_prefix(decodeUtf8(utf8, 0, cp));
    const std::int16_t byte =
        cp < t.cp1250ByCodePoint.size() ? t.cp1250ByCodePoint[cp] : std::int16_t{-1};
    out.push_back(byte < 0 ? kUnmapped : static_cast<char>(byte));
  }
}

std::size_t nextCodePoint(std::string_view utf8, char32_t& codePoint) {
  return decodeUtf8(utf8, 0, codePoint);
}

int cp1250ByteOf(char32_t codePoint) {
  const Tables& t = tables();
  return codePoint < t.cp1250ByCodePoint.size() ? t.cp1250ByCodePoint[codePoint] : -1;
}

char32_t codePointOfCp1250(unsigned char byte) {
  return tables().byteCodePoint[byte];
}

std::string cp852FromCp1250(std::string_view text) {
  std::string out(text);
  convertCp1250ToCp852(out);
  return out;
}

std::string cp1250FromCp852(std::string_view oem) {
  std::string out(oem);
  convertCp852ToCp1250(out);
  return out;
}

void convertCp1250ToCp852(std::span<char> text) {
  convertBytes(text, tables().cp852);
}

void convertCp852ToCp1250(std::span<char> text) {
  convertBytes(text, tables().cp1250FromCp852);
}

std::string cp1250(std::string_view utf8Literal) {
  std::string text = cp1250FromUtf8(utf8Literal);
  assert(utf8FromCp1250(text) == utf8Literal && "literal has a character outside Windows-1250");
  return text;
}

}  // namespace obrazac
