// Code pages of domain text. Every text the system keeps (records, files, messages) is held as
// Windows-1250 bytes in std::string; it becomes UTF-8 only at the edges (SQLite columns, the
// terminal, the window toolkit) and OEM code page 852 where a table has the OEM text attribute.
// Conversions never fail: a character with no byte in the target code page becomes '?'.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace obrazac {

// Windows-1250 to UTF-8. Lossless for every byte: the five bytes Windows-1250 leaves undefined
// (0x81, 0x83, 0x88, 0x90, 0x98) become the C1 control of the same value (U+0081 ...), so
// cp1250FromUtf8(utf8FromCp1250(s)) == s for any s.
std::string utf8FromCp1250(std::string_view text);

// UTF-8 to Windows-1250. A character without a Windows-1250 byte becomes '?', and so does each
// ill-formed sequence (a stray continuation byte, a cut-off character, an overlong form, a
// surrogate).
std::string cp1250FromUtf8(std::string_view utf8);

// The same two conversions appending to `out`, so a caller converting field after field reuses
// one buffer instead of allocating a string per field.
void appendUtf8FromCp1250(std::string& out, std::string_view text);
void appendCp1250FromUtf8(std::string& out, std::string_view utf8);

// One character of UTF-8 at the front of `utf8`: returns the bytes it takes (at least one for a
// non-empty text) and sets `codePoint`, or kNoCodePoint for an ill-formed sequence.
inline constexpr char32_t kNoCodePoint = 0xFFFFFFFF;
std::size_t nextCodePoint(std::string_view utf8, char32_t& codePoint);
// The Windows-1250 byte of a character, or -1 when the code page has none.
int cp1250ByteOf(char32_t codePoint);
// The character a Windows-1250 byte stands for (undefined bytes: the C1 control of that value).
char32_t codePointOfCp1250(unsigned char byte);

// Windows-1250 to OEM 852 and back, byte for byte: the same letter where both pages have it
// (all Croatian letters do), '?' where the target page lacks it. The results have the length of
// the input, so the in-place forms convert record fields without allocating.
std::string cp852FromCp1250(std::string_view text);
std::string cp1250FromCp852(std::string_view oem);
void convertCp1250ToCp852(std::span<char> text);
void convertCp852ToCp1250(std::span<char> text);

// A Croatian literal of the source code (sources are UTF-8) as domain text:
// cp1250("Greška"). A literal with a character outside Windows-1250 is a programming mistake;
// debug builds stop on it.
std::string cp1250(std::string_view utf8Literal);

}  // namespace obrazac
