// Contribution rates (TBSTOPE.DAT) and the contributions they give: a rates row per kind of
// calculation, kind of obligor, basis, increased-duration code and second-pillar membership
// holds two first-pillar and two second-pillar rates in percent. A contribution is the sum of a
// pillar's two rates times the base divided by 100, rounded half away from zero to the cent.
#pragma once

#include <optional>
#include <string>

#include "data/context.h"
#include "data/decimal.h"

namespace obrazac {

// The lookup values of STO1:KEYOSNOV, in key order; Windows-1250 codes as stored. A blank
// increased-duration code finds only rows whose code is blank.
struct RatesKey {
  std::string voi;     // STO1:VRSTOBRACUNA
  std::string vob;     // STO1:VRSTAOBVEZNIKA
  std::string oo;      // STO1:OSNOVOBRA
  std::string staz;    // STO1:STAZ
  std::string member;  // STO1:CLANDN, "D" or "N"
};

struct ContributionRates {
  Decimal firstFromPay;   // STO1:PRVISTUP1, "iz plaće"
  Decimal firstOnPay;     // STO1:PRVISTUP2, "na plaću"
  Decimal secondFromPay;  // STO1:DRUGISTUP1
  Decimal secondOnPay;    // STO1:DRUGISTUP2
  Decimal firstPillar() const { return firstFromPay + firstOnPay; }
  Decimal secondPillar() const { return secondFromPay + secondOnPay; }
};

// Reads the rates row into the context's STO1 buffer (cleared first), opening the table shared
// when needed. Returns the store's error code (35: no row) and fills `rates` when it is 0.
int findRates(Context& ctx, const RatesKey& key, ContributionRates& rates);

// The rates of a combination, or nullopt when there is no row or it cannot be read.
std::optional<ContributionRates> ratesFor(Context& ctx, const RatesKey& key);

// ratePercent × base / 100, rounded to the cent half away from zero.
Decimal contributionOn(const Decimal& ratePercent, const Decimal& base);

struct ExpectedContributions {
  Decimal firstPillar;
  Decimal secondPillar;
  Decimal total;  // the two rounded contributions added
  bool operator==(const ExpectedContributions&) const = default;
};

// The contributions a base should carry; all three 0 without rates.
ExpectedContributions expectedContributions(const std::optional<ContributionRates>& rates,
                                            const Decimal& base);

// An entered contribution differs from the expected one when they are more than 0.03 apart;
// a difference of exactly 0.03 is rounding and does not count.
bool differsFromExpected(const Decimal& amount, const Decimal& expected);

}  // namespace obrazac
