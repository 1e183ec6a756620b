#include "check/field_tests.h"

#include <gtest/gtest.h>

namespace obrazac::check {
namespace {

TEST(FormalFieldTests, NumericFieldsTakeEveryDecimalSpellingOfTheirLength) {
  const std::tuple<const char*, std::size_t, bool> cases[] = {
      {"123456789012", 12, true},  {" 12345678901", 12, true},  {"+12345678901", 12, true},
      {"1234567890  ", 12, false}, {"12345678901A", 12, false}, {"            ", 12, false},
      {"00012", 5, true},          {"1.5e3", 0, true},          {"12 34", 0, false},
  };
  for (const auto& [text, length, numeric] : cases)
    EXPECT_EQ(numericField(text, length), numeric) << "'" << text << "'";
  EXPECT_TRUE(numericAmount("000000000123456"));
  EXPECT_TRUE(numericAmount("+    1234567890"));   // places 2-15 in another spelling
  EXPECT_FALSE(numericAmount("0000000001234  "));  // 13 places only
  EXPECT_FALSE(numericAmount("0"));
}

TEST(FormalFieldTests, AmountsAreReadAsHundredths) {
  const std::pair<const char*, const char*> cases[] = {
      {"000000000123456", "1234.56"},    {"-00000000000500", "-5"}, {"+00000000000001", "0.01"},
      {"0    1234567890", "12345678.9"}, {"000000000000A00", "0"},  {"", "0"},
  };
  for (const auto& [field, value] : cases)
    EXPECT_EQ(amountValue(field), *Decimal::parse(value)) << "'" << field << "'";
}

// Dates are DDMMYYYY of a day that exists; February has 29 days in every fourth year.
TEST(FormalFieldTests, DatesNameADayThatExists) {
  const std::pair<const char*, bool> cases[] = {
      {"29022008", true},  {"29022100", true},  {"29022005", false}, {"31042025", false},
      {"00012025", false}, {"01132025", false}, {"1501202", false},  {"15 12025", false},
  };
  for (const auto& [text, valid] : cases) EXPECT_EQ(dateValue(text).has_value(), valid) << text;

  const FixedClock clock(Date::fromParts(1, 10, 2026));
  EXPECT_TRUE(dateInRange("01012005", clock));
  EXPECT_TRUE(dateInRange("10012026", clock));
  EXPECT_FALSE(dateInRange("31122004", clock));
  EXPECT_FALSE(dateInRange("11012026", clock));
}

TEST(FormalFieldTests, IdentifiersOfZerosAreNotGiven) {
  EXPECT_FALSE(wrongMB("000000000000"));
  EXPECT_FALSE(wrongMBG("0000000000000", true));
  EXPECT_TRUE(wrongMBG("0000000000001", false));
  EXPECT_TRUE(wrongMB("12345678    "));
}

}  // namespace
}  // namespace obrazac::check
