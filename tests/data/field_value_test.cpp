#include "data/field_value.h"

#include <gtest/gtest.h>

#include "data/codepage.h"

namespace obrazac {
namespace {

// Values a field of the submission file must never hold, each with the words that name it.
struct Refused {
  std::string_view value;
  std::string_view message;
};
const Refused kRefused[] = {
    {"01\t234", "Polje POS:TELEFON: nedopušten znak TAB (U+0009)"},
    {"01\r\n234", "Polje POS:TELEFON: nedopušten znak CR (U+000D)"},
    {"01\n234", "Polje POS:TELEFON: nedopušten znak LF (U+000A)"},
    {"01\x01", "Polje POS:TELEFON: nedopušten kontrolni znak (U+0001)"},
    {"01\x7f", "Polje POS:TELEFON: nedopušten znak DEL (U+007F)"},
    {"01 \U0001F600",
     "Polje POS:TELEFON: nedopušten znak '\U0001F600' (U+1F600), nema ga u kodnoj stranici "
     "Windows-1250"},
    {"Жарко",
     "Polje POS:TELEFON: nedopušten znak 'Ж' (U+0416), nema ga u kodnoj stranici Windows-1250"},
    {"01234567890", "Polje POS:TELEFON: predugačka vrijednost (duljina 11, najviše 10)"},
    {"01\xff", "Polje POS:TELEFON: neispravan UTF-8 zapis (bajt 0xFF)"},
};

TEST(FieldValue, RefusesWhatAFieldCannotHoldAndNamesIt) {
  for (const auto& c : kRefused) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(fieldValueError("POS:TELEFON", c.value, 10), c.message);
  }
  // Croatian letters and every printable Windows-1250 character fit; ten of them fill the field.
  for (std::string_view fits : {"", "01/234-567", "Šđčćž ŠĐČĆ", "€„”§°", "ŠŠŠŠŠŠŠŠŠŠ"}) {
    SCOPED_TRACE(fits);
    EXPECT_EQ(fieldValueError("POS:TELEFON", fits, 10), std::nullopt);
  }
}

// Bytes already in a record or a text line: control bytes are refused, every other byte stands
// for a character of the code page.
TEST(FieldValue, ControlBytesOfHeldTextAreRefused) {
  for (std::string_view bad : {"\t", "\r", "\n", "\x01", "\x7f", "\x81"}) {
    SCOPED_TRACE(static_cast<int>(bad.front()));
    EXPECT_NE(fieldBytesError("RS0TELE", "01" + std::string(bad)), std::nullopt);
  }
  EXPECT_EQ(fieldBytesError("RS0TELE", "01 " + cp1250("Šđčćž€")), std::nullopt);
  EXPECT_EQ(fieldBytesError("RS0TELE", "\t"), "Polje RS0TELE: nedopušten znak TAB (U+0009)");
}

}  // namespace
}  // namespace obrazac
