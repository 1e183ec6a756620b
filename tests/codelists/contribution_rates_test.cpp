#include "codelists/contribution_rates.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace obrazac {
namespace {

Decimal dec(std::string_view text) {
  return *Decimal::parse(text);
}

TEST(Contributions, RateTimesBaseRoundedHalfAwayFromZero) {
  struct Case {
    std::string_view rate, base, contribution;
  } cases[] = {
      {"15.00", "1234.57", "185.19"},  // 185.1855
      {"1.00", "100.50", "1.01"},      // 1.005
      {"1.00", "-100.50", "-1.01"},
      {"1.00", "100.49", "1.00"},                    // 1.0049
      {"20.00", "999999999999.99", "200000000000"},  // no cap on the size of a contribution
      {"0", "5000", "0"},
      {"1.00", "100.505", "1.01"},  // a base finer than the cent: 1.00505
  };
  for (const auto& c : cases)
    EXPECT_EQ(contributionOn(dec(c.rate), dec(c.base)), dec(c.contribution))
        << c.rate << " x " << c.base;
}

TEST(Contributions, DifferenceCountsAboveThreeCents) {
  struct Case {
    std::string_view amount, expected;
    bool differs;
  } cases[] = {
      {"185.22", "185.19", false}, {"185.16", "185.19", false}, {"185.23", "185.19", true},
      {"185.15", "185.19", true},  {"0", "0.03", false},        {"0", "0.04", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(differsFromExpected(dec(c.amount), dec(c.expected)), c.differs)
        << c.amount << " vs " << c.expected;
}

TEST(Contributions, ExpectedFromTheRatesRow) {
  testing::TempDir dir;
  Context ctx(dir.path());
  Table& t = ctx.table("STO1");
  ASSERT_EQ(t.open(), 0);
  const auto addRates = [&t](std::string_view staz, std::string_view first1,
                             std::string_view second1) {
    Record& r = t.record();
    r.clear();
    r.setText(r.index("VRSTOBRACUNA"), "01");
    r.setText(r.index("VRSTAOBVEZNIKA"), "01");
    r.setText(r.index("OSNOVOBRA"), "01");
    r.setText(r.index("STAZ"), staz);
    r.setText(r.index("CLANDN"), "D");
    r.setDecimal(r.index("PRVISTUP1"), dec(first1));
    r.setDecimal(r.index("PRVISTUP2"), dec("0.5"));
    r.setDecimal(r.index("DRUGISTUP1"), dec(second1));
    ASSERT_EQ(t.add(), 0);
  };
  addRates("1", "99", "99");
  RatesKey key{"01", "01", "01", " ", "D"};
  // A blank increased-duration code finds only a row whose code is blank.
  EXPECT_FALSE(ratesFor(ctx, key));
  EXPECT_EQ(expectedContributions(ratesFor(ctx, key), dec("1000")), ExpectedContributions{});

  addRates(" ", "10", "5");
  const auto rates = ratesFor(ctx, key);
  ASSERT_TRUE(rates);
  EXPECT_EQ(expectedContributions(rates, dec("1234.57")),
            (ExpectedContributions{dec("129.63"), dec("61.73"), dec("191.36")}));
  key.staz = "1";
  EXPECT_EQ(ratesFor(ctx, key)->firstFromPay, dec("99"));
}

}  // namespace
}  // namespace obrazac
