#include "register/identifier_checks.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace obrazac {
namespace {

using Check = bool (*)(std::string_view);

TEST(IdentifierChecks, ExamplesAndTextThatIsNotPlainDigits) {
  struct Case {
    Check check;
    std::string_view text;
    bool valid;
  } cases[] = {
      {ProvjeraJMBG, "1503975123451", true},
      {ProvjeraJMBG, "0000000000000", true},  // callers treat it as absent and never ask
      {ProvjeraJMBG, " 503975123458", true},  // a non-digit counts as 0
      {ProvjeraJMBG, "+503975123458", true},
      {ProvjeraJMBG, "150397512345", false},  // a missing check digit counts as 0
      {ProvjeraJMBG, "", true},               // every position missing: all zeros
      {ProvjeraMB, "12345679", true},
      {ProvjeraMB, "00000000", false},  // callers treat it as absent and never ask
      {ProvjeraMB, "1234567", false},
      {ProvjeraMB, "", false},
      {ProvjeraSifreOpcine, "1236", true},
      {ProvjeraSifreOpcine, "0019", true},
      {ProvjeraSifreOpcine, "123", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.check(c.text), c.valid) << "'" << c.text << "'";
}

// For each number, exactly one check digit passes, or none when the remainder forbids it.
TEST(IdentifierChecks, OneCheckDigitOrNone) {
  const struct {
    Check check;
    std::string_view digits;  // all but the check digit
    char passes;              // the only check digit that passes, 0 for none
  } cases[] = {
      {ProvjeraJMBG, "150397512345", '1'},                                     // remainder 10
      {ProvjeraJMBG, "150397512385", '0'},                                     // remainder 0
      {ProvjeraJMBG, "150397512346", 0},                                       // remainder 1
      {ProvjeraJMBG, "800000000000", 0},                                       // remainder 1
      {ProvjeraMB, "1234567", '9'},                                            // remainder 2
      {ProvjeraMB, "7000000", '0'},                                            // remainder 1
      {ProvjeraMB, "2400000", 0},                                              // remainder 0
      {ProvjeraMB, "0000000", 0},          {ProvjeraSifreOpcine, "123", '6'},  // remainder 5
      {ProvjeraSifreOpcine, "300", '0'},                                       // remainder 1
      {ProvjeraSifreOpcine, "160", 0},                                         // remainder 0
  };
  for (const auto& c : cases)
    for (char last = '0'; last <= '9'; ++last)
      EXPECT_EQ(c.check(std::string(c.digits) + last), last == c.passes) << c.digits << last;
}

TEST(IdentifierChecks, EverySingleDigitChangeOfAPersonalNumberIsCaught) {
  const std::string valid = "1503975123451";
  ASSERT_TRUE(ProvjeraJMBG(valid));
  for (std::size_t pos = 0; pos < valid.size(); ++pos)
    for (char d = '0'; d <= '9'; ++d) {
      if (d == valid[pos]) continue;
      std::string changed = valid;
      changed[pos] = d;
      EXPECT_FALSE(ProvjeraJMBG(changed)) << changed;
    }
}

TEST(IdentifierChecks, EveryOfficialMunicipalityCodePasses) {
  std::ifstream in(OBRAZAC_DATA_DIR "/opcine.csv");
  ASSERT_TRUE(in) << OBRAZAC_DATA_DIR "/opcine.csv";
  std::string line;
  std::getline(in, line);  // header
  int codes = 0;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    ++codes;
    EXPECT_TRUE(ProvjeraSifreOpcine(std::string_view(line).substr(0, 4))) << line;
  }
  EXPECT_EQ(codes, 556);
}

TEST(IdentifierChecks, BirthDateFromPersonalNumber) {
  struct Case {
    std::string_view jmbg;
    CivilDate date;
  } cases[] = {
      {"1503975123451", {1975, 3, 15}},  {"0101004330006", {2004, 1, 1}},
      {"3112999330006", {1999, 12, 31}}, {"2902000330006", {2000, 2, 29}},
      {"3002004330006", {2004, 3, 1}},  // impossible dates normalise, nothing is refused
      {"1513975", {1976, 1, 15}},       // month 13 of 1975
  };
  for (const auto& c : cases) EXPECT_EQ(DatumIzJMBG(c.jmbg).civil(), c.date) << c.jmbg;
}

TEST(IdentifierChecks, AbsentIdentifiers) {
  EXPECT_TRUE(isAbsentMB("        "));
  EXPECT_TRUE(isAbsentMB("00000000"));
  EXPECT_FALSE(isAbsentMB("0000000"));
  EXPECT_FALSE(isAbsentMB("12345679"));
  EXPECT_TRUE(isAbsentJMBG(""));
  EXPECT_TRUE(isAbsentJMBG("0000000000000"));
  EXPECT_FALSE(isAbsentJMBG("000000000000"));
  EXPECT_FALSE(isAbsentJMBG("1503975123451"));
}

}  // namespace
}  // namespace obrazac
