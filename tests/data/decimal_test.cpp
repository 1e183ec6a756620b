#include "data/decimal.h"

#include <gtest/gtest.h>

namespace obrazac {
namespace {

Decimal dec(std::string_view text) {
  const std::optional<Decimal> d = Decimal::parse(text);
  if (!d) throw std::invalid_argument("test value " + std::string(text));
  return *d;
}

TEST(Decimal, ParsesPlainDecimalText) {
  const struct {
    std::string_view text;
    const char* shown;  // nullptr: refused
  } cases[] = {
      {"-1234.56", "-1234.56"},
      {"  +12 ", "12"},
      {"0.005", "0.005"},
      {".5", "0.5"},
      {"7.", "7"},
      {"-0", "0"},
      {"\t42.10\t", "42.1"},
      {"0.000000015", "0.00000002"},  // ninth place rounds the eighth
      {"-0.0000000149", "-0.00000001"},
      {"1701411834604692317316873037158.84105727", "1701411834604692317316873037158.84105727"},
      {"", nullptr},
      {"   ", nullptr},
      {"-", nullptr},
      {".", nullptr},
      {"1,5", nullptr},
      {"1.2.3", nullptr},
      {"- 5", nullptr},
      {"5-", nullptr},
      {"12a", nullptr},
      {"1e5", nullptr},
      {"-1701411834604692317316873037158.84105728", nullptr},  // one unit past the range
      {"99999999999999999999999999999999", nullptr},
  };
  for (const auto& c : cases) {
    const std::optional<Decimal> d = Decimal::parse(c.text);
    if (c.shown == nullptr)
      EXPECT_FALSE(d) << "'" << c.text << "' read as " << *d;
    else
      EXPECT_EQ(d ? d->toString() : "(refused)", c.shown) << "'" << c.text << "'";
  }
}

TEST(Decimal, RoundsHalfAwayFromZero) {
  const struct {
    std::string_view value;
    int places;
    std::string_view rounded;
  } cases[] = {
      {"2.675", 2, "2.68"},    {"-2.675", 2, "-2.68"},          {"2.674", 2, "2.67"},
      {"0.005", 2, "0.01"},    {"-0.005", 2, "-0.01"},          {"123.456", 2, "123.46"},
      {"-0.004", 2, "0"},      {"9999.995", 2, "10000"},        {"1234.5", 0, "1235"},
      {"-1234.5", 0, "-1235"}, {"0.12345678", 8, "0.12345678"}, {"0.12345678", 20, "0.12345678"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(dec(c.value).roundTo(c.places), dec(c.rounded)) << c.value << " to " << c.places;
  EXPECT_THROW(dec("1").roundTo(-1), std::invalid_argument);
}

TEST(Decimal, FieldUnitsRoundTrip) {
  EXPECT_EQ(dec("2.675").toUnits(2), 268);
  EXPECT_EQ(dec("-2.675").toUnits(2), -268);
  EXPECT_EQ(dec("123.456").toUnits(0), 123);
  EXPECT_EQ(dec("0.00000001").toUnits(8), 1);
  EXPECT_EQ(Decimal::fromUnits(-12345, 2), dec("-123.45"));
  EXPECT_EQ(Decimal::fromUnits(7, 0), Decimal(7));
  // The widest field: 15 digits, 2 of them places.
  const Decimal widest = dec("-9999999999999.99");
  EXPECT_EQ(Decimal::fromUnits(widest.toUnits(2), 2), widest);

  EXPECT_THROW(Decimal::fromUnits(1, 9), std::invalid_argument);
  EXPECT_THROW(dec("1").toUnits(-1), std::invalid_argument);
  EXPECT_THROW(dec("100000000000000000000").toUnits(2), std::overflow_error);
}

TEST(Decimal, Arithmetic) {
  EXPECT_EQ(dec("0.1") + dec("0.2"), dec("0.3"));
  EXPECT_EQ(dec("5") - dec("7.25"), dec("-2.25"));
  EXPECT_EQ(dec("1234.56") * dec("19.5"), dec("24073.92"));
  EXPECT_EQ(dec("-3") * dec("0.5"), dec("-1.5"));
  // Products and quotients keep eight places, the last rounded half away from zero.
  EXPECT_EQ(dec("0.00000001") * dec("0.5"), dec("0.00000001"));
  EXPECT_EQ(dec("-0.00000001") * dec("0.5"), dec("-0.00000001"));
  EXPECT_EQ(dec("0.00000001") * dec("0.49"), Decimal());
  EXPECT_EQ(dec("2") / dec("3"), dec("0.66666667"));
  EXPECT_EQ(dec("-2") / dec("3"), dec("-0.66666667"));
  EXPECT_EQ(dec("1") / dec("-8"), dec("-0.125"));
  EXPECT_EQ(dec("100") / dec("0.01"), Decimal(10000));
  EXPECT_EQ(dec("123.45") / Decimal(), Decimal()) << "division by zero gives zero";

  EXPECT_EQ(-dec("1.5"), dec("-1.5"));
  EXPECT_EQ(dec("-1.5").abs(), dec("1.5"));
  EXPECT_EQ(dec("-1.5").sign(), -1);
  EXPECT_EQ(Decimal().sign(), 0);
  EXPECT_TRUE(dec("-0.0").isZero());
  EXPECT_LT(dec("-2"), dec("-1.99999999"));
  EXPECT_GT(dec("0.00000001"), Decimal());
  EXPECT_EQ(dec("-7.9").integerPart(), -7);
  EXPECT_EQ(dec("7.9").integerPart(), 7);
}

TEST(Decimal, WideValuesKeepEveryDigit) {
  // A 15-digit amount times a 5-digit rate: the product is past 2^63 units of each factor.
  EXPECT_EQ((dec("999999999999999.99") * dec("99999.99")).toString(), "99999989999999999000.0001");
  EXPECT_EQ((dec("-999999999999999.99") * dec("99999.99")).toString(),
            "-99999989999999999000.0001");
  // A million such amounts summed, as over a large submission file.
  Decimal sum;
  const Decimal amount = dec("999999999999999.99");
  for (int i = 0; i < 1'000'000; ++i) sum += amount;
  EXPECT_EQ(sum.toString(), "999999999999999990000");
  EXPECT_EQ(sum, amount * Decimal(1'000'000));
  // A quotient whose scaled dividend needs more than 128 bits.
  EXPECT_EQ((dec("10000000000000000000000000") / Decimal(3)).toString(),
            "3333333333333333333333333.33333333");
  EXPECT_EQ((sum / amount), Decimal(1'000'000));
}

TEST(Decimal, OutOfRangeThrows) {
  const Decimal max = Decimal::fromRaw(Decimal::kMaxRaw);
  EXPECT_THROW(max + dec("0.00000001"), std::overflow_error);
  EXPECT_THROW(-max - dec("0.00000001"), std::overflow_error);
  EXPECT_THROW(max * Decimal(2), std::overflow_error);
  EXPECT_THROW(max / dec("0.5"), std::overflow_error);
  EXPECT_THROW(max.roundTo(0), std::overflow_error);
  EXPECT_THROW(max.integerPart(), std::overflow_error);
  EXPECT_EQ(max * Decimal(1), max);
  EXPECT_EQ(-max / Decimal(1), -max);
}

TEST(Decimal, ToStringWithFixedPlaces) {
  EXPECT_EQ(dec("2.675").toString(2), "2.68");
  EXPECT_EQ(dec("5").toString(2), "5.00");
  EXPECT_EQ(dec("-0.004").toString(2), "0.00");
  EXPECT_EQ(dec("-12.5").toString(0), "-13");
  EXPECT_EQ(dec("0.1").toString(10), "0.1000000000");
}

}  // namespace
}  // namespace obrazac
