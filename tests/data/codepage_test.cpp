#include "data/codepage.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace obrazac {
namespace {

using namespace std::literals;

std::string allBytes() {
  std::string s;
  for (int b = 0; b < 256; ++b) s += static_cast<char>(b);
  return s;
}

// One conversion by iconv; empty when the target has no such character.
std::string iconvConvert(const char* to, const char* from, std::string text) {
  iconv_t cd = iconv_open(to, from);
  char out[16];
  char* in = text.data();
  char* o = out;
  std::size_t inLeft = text.size(), outLeft = sizeof out;
  const bool ok = iconv(cd, &in, &inLeft, &o, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  return ok ? std::string(out, o) : std::string();
}

TEST(Codepage, EveryByteSurvivesTheWayThroughUtf8) {
  const std::string bytes = allBytes();
  const std::string utf8 = utf8FromCp1250(bytes);
  EXPECT_EQ(cp1250FromUtf8(utf8), bytes);
  // Bytes undefined in Windows-1250 travel as the C1 control of the same value.
  EXPECT_EQ(utf8FromCp1250("\x81\x83\x88\x90\x98"), "\u0081\u0083\u0088\u0090\u0098");
  EXPECT_EQ(utf8FromCp1250("\x80\xA0"), "€\u00A0");
}

// Runs of ASCII are copied several bytes at a time: a letter at any place of a longer text, and
// text appended to what a buffer already holds.
TEST(Codepage, LetterAtEveryPlaceOfALongerText) {
  constexpr std::size_t kLength = 20;
  for (std::size_t at = 0; at < kLength; ++at) {
    SCOPED_TRACE(at);
    std::string w(kLength, 'a');
    w[at] = '\x8A';
    const std::string utf8 = std::string(at, 'a') + "Š" + std::string(kLength - 1 - at, 'a');
    EXPECT_EQ(utf8FromCp1250(w), utf8);
    EXPECT_EQ(cp1250FromUtf8(utf8), w);
  }
  std::string utf8 = "Ž";
  appendUtf8FromCp1250(utf8, "a\x9A");
  EXPECT_EQ(utf8, "Žaš");
  std::string w = "\x8E";
  appendCp1250FromUtf8(w, "aš");
  EXPECT_EQ(w,
            "\x8E"
            "a\x9A");
}

TEST(Codepage, CroatianLettersInEveryCodePage) {
  struct Case {
    const char* utf8;
    char cp1250;
    char cp852;
  } cases[] = {
      {"č", '\xE8', '\x9F'}, {"ć", '\xE6', '\x86'}, {"š", '\x9A', '\xE7'}, {"ž", '\x9E', '\xA7'},
      {"đ", '\xF0', '\xD0'}, {"Č", '\xC8', '\xAC'}, {"Ć", '\xC6', '\x8F'}, {"Š", '\x8A', '\xE6'},
      {"Ž", '\x8E', '\xA6'}, {"Đ", '\xD0', '\xD1'},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    const std::string w(1, c.cp1250), oem(1, c.cp852);
    EXPECT_EQ(cp1250FromUtf8(c.utf8), w);
    EXPECT_EQ(utf8FromCp1250(w), c.utf8);
    EXPECT_EQ(cp852FromCp1250(w), oem);
    EXPECT_EQ(cp1250FromCp852(oem), w);
    EXPECT_EQ(iconvConvert("UTF-8", "CP852", oem), c.utf8);
  }
  EXPECT_EQ(cp1250("Greška: Žminj"), "Gre\x9Aka: \x8Eminj");
}

// Between Windows-1250 and OEM 852 a byte keeps its character, and becomes '?' only when the
// other page has no such character: the answer iconv gives going through UTF-8.
TEST(Codepage, OemConversionKeepsTheCharacterOrGivesQuestionMark) {
  const struct {
    const char* from;
    const char* to;
    std::string (*convert)(std::string_view);
  } directions[] = {{"CP1250", "CP852", cp852FromCp1250}, {"CP852", "CP1250", cp1250FromCp852}};
  for (const auto& d : directions) {
    int unmapped = 0;
    for (int b = 0; b < 256; ++b) {
      const std::string byte(1, static_cast<char>(b));
      std::string expected = iconvConvert(d.to, "UTF-8", iconvConvert("UTF-8", d.from, byte));
      if (expected.empty()) {
        expected = "?";
        ++unmapped;
      }
      EXPECT_EQ(d.convert(byte), expected) << d.from << " byte " << b;
    }
    EXPECT_GT(unmapped, 0) << d.from;  // neither page is a subset of the other
  }
}

TEST(Codepage, OemConversionInPlace) {
  std::string field = cp1250("Šibenik  ");
  convertCp1250ToCp852(field);
  EXPECT_EQ(field, "\xE6ibenik  ");
  convertCp852ToCp1250(field);
  EXPECT_EQ(field, cp1250("Šibenik  "));
}

TEST(Codepage, Utf8WithoutAWindows1250ByteBecomesQuestionMarks) {
  struct Case {
    std::string_view utf8;
    std::string_view expected;
  } cases[] = {
      {"日本", "??"},
      {"a😀b", "a?b"},                // beyond the basic plane
      {"\xC3", "?"},                 // cut off at the end
      {"a\xE2\x82", "a?"},           // cut off, one '?' for the stretch
      {"\xE2\x82x", "?x"},           // interrupted
      {"\x80\xBF", "??"},            // stray continuation bytes
      {"\xC0\xAF", "??"},            // overlong '/'
      {"\xED\xA0\x80", "???"},       // surrogate
      {"\xF4\x90\x80\x80", "????"},  // beyond U+10FFFF
      {"\xFF\xFE", "??"},            // never in UTF-8
      {"a\0b"sv, "a\0b"sv},          // NUL is a character like any other
      {"\u0081", "\x81"},            // C1 controls come back to their byte
      {"Ö", "\xD6"},                 // a Windows-1250 letter outside Croatian
  };
  for (const auto& c : cases)
    EXPECT_EQ(cp1250FromUtf8(c.utf8), c.expected) << testing::PrintToString(c.utf8);
}

}  // namespace
}  // namespace obrazac
