#include "app/parameter_checks.h"

#include <gtest/gtest.h>

#include "app/application_parameters.h"
#include "data/codepage.h"
#include "data/dictionary.h"

namespace obrazac {
namespace {

Record parameters(std::string_view mb, std::string_view jmbg) {
  Record apl(*tableByPrefix("APL"));
  fillParameterDefaults(apl);
  apl.setText(apl.index("MB01"), mb);
  apl.setText(apl.index("JMBG"), jmbg);
  return apl;
}

TEST(ParameterChecks, SaveTestsInOrder) {
  struct Case {
    std::string_view mb, jmbg;
    std::string_view message;  // empty: saved
    std::string_view field;
    bool beep = false;
  } cases[] = {
      {"12345679", "", "", ""},
      {"", "1503975123451", "", ""},
      {"00000000", "1503975123451", "", ""},
      {"1234", "", "", ""},  // fewer than 8 characters: no check digit to test
      {"00000000", "0000000000000", "Upišite MB il JMBG", "APL:MB01"},
      {"", "", "Upišite MB il JMBG", "APL:MB01"},  // the record of a new installation
      {"", "0000000000000", "Upišite MB il JMBG", "APL:MB01"},
      {"12345679", "1503975123451", "Greška. Nije dozvoljeno upisati MB i JMBG", "APL:MB01"},
      {"12345678", "", "Pogrešan MB Firme", "APL:MB01", true},
      {"1234567x", "", "Pogrešan MB Firme", "APL:MB01", true},
      {"", "1503975123450", "JMBG nije točan. ISPRAVITE Podatak", "APL:JMBG", true},
      {"", "+503975123458", "JMBG nije točan. ISPRAVITE Podatak", "APL:JMBG", true},
      {"", "150397512345", "JMBG je netočan - nema 13 znamenaka.", "APL:JMBG"},
  };
  for (const auto& c : cases) {
    const CheckResult r = checkParameterSave(parameters(c.mb, c.jmbg));
    SCOPED_TRACE("'" + std::string(c.mb) + "' '" + std::string(c.jmbg) + "'");
    if (c.message.empty()) {
      EXPECT_FALSE(r) << r->message;
    } else {
      ASSERT_TRUE(r);
      EXPECT_EQ(*r, (CheckFailure{std::string(c.message), std::string(c.field), c.beep}));
    }
  }
}

TEST(ParameterChecks, LeavingTheIdentifierFields) {
  EXPECT_EQ(checkParameterField(parameters("12345678", ""), "APL:MB01")->message, "Pogrešan  MB ");
  EXPECT_FALSE(checkParameterField(parameters("1234567", ""), "APL:MB01"));
  EXPECT_EQ(checkParameterField(parameters("", "1503975123450"), "APL:JMBG")->message,
            "Pogrešan JMBG");
  // Not all digits: left for the save to judge.
  EXPECT_FALSE(checkParameterField(parameters("", "15039751234x0"), "APL:JMBG"));
  EXPECT_FALSE(checkParameterField(parameters("", "0000000000000"), "APL:JMBG"));
  EXPECT_FALSE(checkParameterField(parameters("12345678", ""), "APL:NAZIV"));
}

}  // namespace
}  // namespace obrazac
