#include "data/record.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "data/dictionary_builders.h"

namespace obrazac {
namespace {

using namespace decl;

// Text fields take the value in either code page, cut to the width in Windows-1250 bytes; a
// STRING is padded with blanks, a MEMO is not.
TEST(Record, TextIsCutToTheFieldWidthAfterConversion) {
  TableDecl t;
  t.fields = {str("SIFRA", 4), memo("NAPOMENA", 4)};
  const struct {
    int field;
    std::string_view utf8;
    std::string_view expected;
  } cases[] = {
      {0, "ab", "ab  "},
      {0, "abcdef", "abcd"},
      {0, "ŠŠŠŠ", "\x8A\x8A\x8A\x8A"},  // eight bytes of UTF-8 fill the four of the field
      {0, "ŠčŠčŠ", "\x8A\xE8\x8A\xE8"},
      {0, "", "    "},
      {1, "ab", "ab"},
      {1, "žžžžž", "\x9E\x9E\x9E\x9E"},
  };
  Record r(t);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    r.setTextFromUtf8(c.field, c.utf8);
    EXPECT_EQ(r.text(c.field), c.expected);
    r.setText(c.field, "xxxxxxxx");  // the next value replaces a longer one in place
    EXPECT_EQ(r.text(c.field), "xxxx");
    EXPECT_EQ(r.assign(c.field, c.utf8), std::nullopt);
    EXPECT_EQ(r.text(c.field), c.expected);
  }
}

// A name the table lacks is a fault of the code that wrote it and stops the caller, naming the
// table and the name; the probe for names from outside answers -1.
TEST(Record, UnknownFieldOrKeyNameThrowsAndTheProbeAnswersNone) {
  TableDecl t;
  t.file = "TBPOSLOD.DAT";
  t.prefix = "POS";
  t.fields = {str("SIFRA", 4), str("NAZIV", 10)};
  t.keys = {key("KEYSIFRA", {"SIFRA"}, kUnique)};
  const Record r(t);
  EXPECT_EQ(r.index("POS:NAZIV"), 1);
  EXPECT_EQ(r.find("NAZIV"), 1);
  EXPECT_EQ(r.find("NAZIVV"), -1);
  EXPECT_EQ(t.findKey("KEYNAZIV"), -1);
  const auto message = [](auto&& call) {
    try {
      call();
    } catch (const std::logic_error& e) {
      return std::string(e.what());
    }
    return std::string("no exception");
  };
  EXPECT_EQ(message([&] { r.index("NAZIVV"); }), "table TBPOSLOD.DAT (POS) has no field NAZIVV");
  EXPECT_EQ(message([&] { t.keyIndex("POS:KEYNAZIV"); }),
            "table TBPOSLOD.DAT (POS) has no key POS:KEYNAZIV");
}

}  // namespace
}  // namespace obrazac
