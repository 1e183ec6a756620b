#include "codelists/contribution_rates.h"

namespace obrazac {

int findRates(Context& ctx, const RatesKey& key, ContributionRates& rates) {
  Table& sto = ctx.table("STO1");
  if (!sto.isOpen()) {
    if (const int rc = sto.open()) return rc;
  }
  Record& r = sto.record();
  r.clear();
  r.setText(r.index("VRSTOBRACUNA"), key.voi);
  r.setText(r.index("VRSTAOBVEZNIKA"), key.vob);
  r.setText(r.index("OSNOVOBRA"), key.oo);
  r.setText(r.index("STAZ"), key.staz);
  r.setText(r.index("CLANDN"), key.member);
  if (const int rc = sto.get("KEYOSNOV")) return rc;
  rates.firstFromPay = r.decimal(r.index("PRVISTUP1"));
  rates.firstOnPay = r.decimal(r.index("PRVISTUP2"));
  rates.secondFromPay = r.decimal(r.index("DRUGISTUP1"));
  rates.secondOnPay = r.decimal(r.index("DRUGISTUP2"));
  return 0;
}

std::optional<ContributionRates> ratesFor(Context& ctx, const RatesKey& key) {
  ContributionRates rates;
  if (findRates(ctx, key, rates) != 0) return std::nullopt;
  return rates;
}

Decimal contributionOn(const Decimal& ratePercent, const Decimal& base) {
  // Multiply before dividing: the product is exact, and only the final value is rounded.
  return (ratePercent * base / Decimal(100)).roundTo(2);
}

ExpectedContributions expectedContributions(const std::optional<ContributionRates>& rates,
                                            const Decimal& base) {
  if (!rates) return {};
  ExpectedContributions e;
  e.firstPillar = contributionOn(rates->firstPillar(), base);
  e.secondPillar = contributionOn(rates->secondPillar(), base);
  e.total = e.firstPillar + e.secondPillar;
  return e;
}

bool differsFromExpected(const Decimal& amount, const Decimal& expected) {
  static const Decimal kTolerance = Decimal::fromUnits(3, 2);
  return (amount - expected).abs() > kTolerance;
}

}  // namespace obrazac
