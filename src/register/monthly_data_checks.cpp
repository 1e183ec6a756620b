#include "register/monthly_data_checks.h"

#include <array>
#include <string_view>

#include "codelists/contribution_rates.h"
#include "codelists/control_finding.h"
#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/numeric_text.h"
#include "register/entry_rules.h"
#include "register/identifier_checks.h"

namespace obrazac {
namespace {

constexpr int kFirstYear = 2005;

std::string_view text(const Record& rad, std::string_view field) {
  return rad.text(rad.index(field));
}
std::int64_t number(const Record& rad, std::string_view field) {
  return rad.integer(rad.index(field));
}
Decimal amount(const Record& rad, int item) {
  return rad.decimal(rad.index("IZNOS" + std::to_string(item)));
}
std::string amountLabel(int item) {
  return "RAD:IZNOS" + std::to_string(item);
}
// A code as messages show it: UTF-8, trailing blanks removed.
std::string shown(std::string_view code) {
  return utf8FromCp1250(clipRight(code));
}

CheckResult fail(std::string message, std::string field, bool beep = false) {
  return CheckFailure{std::move(message), std::move(field), beep};
}

CheckResult checkJmbg(const Record& rad) {
  const std::string_view jmbg = clipRight(text(rad, "JMBG"));
  if (jmbg.size() != 13) return fail("JMBG je obavezan podatak.", "RAD:JMBG");
  if (!isNumeric(jmbg) || !isDigits(jmbg))
    return fail("JMBG nije točan. ISPRAVITE Podatak", "RAD:JMBG", true);
  if (!ProvjeraJMBG(jmbg)) return fail("JMBG nije točan. ISPRAVITE Podatak", "RAD:JMBG");
  return std::nullopt;
}

CheckResult checkDay(const Record& rad, std::string_view field) {
  const auto day = number(rad, field);
  const auto month = static_cast<int>(number(rad, "MJEOBRA"));
  const auto year = static_cast<int>(number(rad, "GODOBRA"));
  if (day < 0 || dayBeyondMonth(static_cast<int>(day), month, year))
    return fail("Pogrešan dan", "RAD:" + std::string(field));
  return std::nullopt;
}

bool monthOutOfRange(const Record& rad) {
  const auto month = number(rad, "MJEOBRA");
  return month < 0 || month > 12;
}

// The message of a value outside its control-table range, item 7 to 11.
constexpr std::array<std::string_view, 5> kAmountMessages = {
    "Greška - Iznos obračunane plaće mora biti ",
    "Greška - Osnovica za doprinose mora biti ",
    "Greška - Iznos doprinosa za I. stup mora biti ",
    "Greška - Iznos doprinosa za II.stup mora biti ",
    "Greška - Iznos ispaćene plaće mora biti ",
};

}  // namespace

CheckResult checkMonthlyField(MonthlyField field, const Record& rad) {
  switch (field) {
    case MonthlyField::Jmbg:
      return checkJmbg(rad);
    case MonthlyField::Year: {
      const auto year = number(rad, "GODOBRA");
      if (year < 1000) return fail("Greška. Godina mora biti 4-znamenkasta", "RAD:GODOBRA");
      if (year < kFirstYear)
        return fail("Greška. Godina mora biti veća od 2004 a manja ili jednaka tekućoj",
                    "RAD:GODOBRA");
      return std::nullopt;
    }
    case MonthlyField::Month:
      if (monthOutOfRange(rad)) return fail("Pogrešna oznaka mjeseca", "RAD:MJEOBRA");
      return std::nullopt;
    case MonthlyField::FirstDay:
      return checkDay(rad, "ODDANA");
    case MonthlyField::LastDay:
      return checkDay(rad, "DODANA");
    case MonthlyField::SecondPillar:
      if (amount(rad, 10).sign() > 0 && clipRight(text(rad, "CLANDN")) == "N")
        return fail("Greška. Osiguranik nije član OMF. Nema doprinosa za II. stup", "RAD:IZNOS10");
      return std::nullopt;
  }
  return std::nullopt;
}

ItemAmounts otherRowAmounts(Context& ctx, const Record& rad, Position stored) {
  ItemAmounts found{};
  Table& other = ctx.table("RAD1");
  if (!other.isOpen() && other.open() != 0) return found;
  const std::string jmbg(text(rad, "JMBG"));
  const auto year = number(rad, "GODOBRA");
  const auto month = number(rad, "MJEOBRA");
  Record& r = other.record();
  r.clear();
  r.setText(r.index("JMBG"), jmbg);
  if (other.set("KEYOSOBA") != 0) return found;
  while (other.next() == 0 && r.text(r.index("JMBG")) == jmbg) {
    if (stored.row != 0 && other.position() == stored) continue;
    if (number(r, "GODOBRA") != year || number(r, "MJEOBRA") != month) continue;
    for (int item = 7; item <= 11; ++item) {
      const Decimal a = amount(r, item);
      if (a.sign() > 0) found[static_cast<std::size_t>(item - 7)] = a;
    }
  }
  return found;
}

MonthlySaveCheck checkMonthlySave(Context& ctx, const Clock& clock, const Record& rad,
                                  Position stored, const ItemAmounts& unsaved) {
  MonthlySaveCheck out;
  auto refuse = [&out](CheckResult failure) {
    out.failure = std::move(failure);
    return out;
  };

  // The personal number and the days have their tests when the fields are left; a save repeats
  // them, since a row whose fields were never entered must not reach the register unchecked.
  if (auto f = checkJmbg(rad)) return refuse(f);

  const auto year = number(rad, "GODOBRA");
  if (year < 1000) return refuse(fail("Godina mora biti 4-znamenkasta", "RAD:GODOBRA"));
  if (year < kFirstYear || year > clock.currentYear() + 1)
    return refuse(
        fail("Godina mora biti veća od 2004 i manja ili jednaka tekućoj godini", "RAD:GODOBRA"));
  const std::string_view member = clipRight(text(rad, "CLANDN"));
  if (member != "D" && member != "N")
    return refuse(fail("Obvezno odredite da li je osoba član OMF ili nije", "RAD:CLANDN"));
  if (monthOutOfRange(rad)) return refuse(fail("Pogrešna oznaka mjeseca", "RAD:MJEOBRA"));
  if (auto f = checkDay(rad, "ODDANA")) return refuse(f);
  if (auto f = checkDay(rad, "DODANA")) return refuse(f);

  const std::string_view voi = text(rad, "VRSTAUPLA");
  if (voi == "88" || voi == "99") return out;

  const std::string_view vob = text(rad, "VRSOBV");
  const std::string_view oo = text(rad, "OSNOVA1");
  const std::string vobShown = shown(vob), voiShown = shown(voi), ooShown = shown(oo);
  const Combination combination{vobShown, voiShown, ooShown};

  // A value without its own rule is not range-checked: a missing row leaves the whole row
  // unchecked after the warning, never compared with the bounds of another combination.
  ControlBounds bounds;
  const int rc = findControlRow(ctx, vob, voi, oo);
  if (rc == 0) {
    bounds = ControlBounds(ctx.table("VEZ").record(), clock);
  } else if (rc == err::kRecordNotFound) {
    out.warning = "Upozorenje. Navedena kombinacija " + combinationText(combination) +
                  " nije uvedena u kontrolnu tablicu";
  } else {
    return refuse(fail("Greška kod čitanja VEZNATAB.DAT: " + std::string(storeErrorText(rc)), ""));
  }

  auto outside = [&](std::string_view lead, ControlTail tail, ControlValue v) {
    return controlFinding(lead, tail, bounds.ruleText(v), combination);
  };
  if (!bounds.permits(ControlValue::Month, number(rad, "MJEOBRA")))
    return refuse(fail(outside("Greška - obračunski mjesec mora biti ",
                               ControlTail::RuleAndCombination, ControlValue::Month),
                       "RAD:MJEOBRA"));
  if (!bounds.permits(ControlValue::Year, year))
    return refuse(
        fail(outside("Greška - obračunska godina.", ControlTail::Combination, ControlValue::Year),
             "RAD:GODOBRA"));
  if (!bounds.permits(ControlValue::FirstDay, number(rad, "ODDANA")))
    return refuse(fail(outside("Greška - razdoblje od mora biti ",
                               ControlTail::RuleStopAndCombination, ControlValue::FirstDay),
                       "RAD:ODDANA"));
  if (!bounds.permits(ControlValue::LastDay, number(rad, "DODANA")))
    return refuse(fail(outside("Greška - razdoblje do mora biti ",
                               ControlTail::RuleStopAndCombination, ControlValue::LastDay),
                       "RAD:DODANA"));

  ItemAmounts elsewhere = otherRowAmounts(ctx, rad, stored);
  for (int item = 7; item <= 11; ++item) {
    const auto i = static_cast<std::size_t>(item - 7);
    if (elsewhere[i].sign() <= 0) elsewhere[i] = unsaved[i];
    const ControlValue value = amountItem(item);
    const AmountVerdict verdict = bounds.judgeAmount(value, amount(rad, item), elsewhere[i]);
    if (verdict == AmountVerdict::Outside)
      return refuse(fail(outside(kAmountMessages[i], ControlTail::RuleStopAndCombination, value),
                         amountLabel(item)));
    // Membership is judged on a second-pillar amount of its own, not on one excused by
    // another row.
    if (item == 10 && verdict != AmountVerdict::Excepted) {
      const Decimal second = amount(rad, 10);
      if (second.sign() > 0 && member == "N")
        return refuse(fail("Greška - Osoba nije član II.stupa", amountLabel(10)));
      if (second.isZero() && member == "D" && amount(rad, 8).sign() > 0)
        return refuse(fail("Greška - Osoba je član II.stupa, osnovica veća od 0", amountLabel(10)));
    }
  }
  return out;
}

bool proposeContribution(Context& ctx, Record& rad, Pillar pillar) {
  const RatesKey key{std::string(text(rad, "VRSTAUPLA")), std::string(text(rad, "VRSOBV")),
                     std::string(text(rad, "OSNOVA1")), std::string(text(rad, "OSNOVA3")),
                     std::string(text(rad, "CLANDN"))};
  const auto rates = ratesFor(ctx, key);
  if (!rates) return false;
  const Decimal base = rad.decimal(rad.index("IZNOS8"));
  if (pillar == Pillar::First) {
    rad.setDecimal(rad.index("PRVISTUP1"), rates->firstFromPay);
    rad.setDecimal(rad.index("PRVISTUP2"), rates->firstOnPay);
    rad.setDecimal(rad.index("IZNOS9"), contributionOn(rates->firstPillar(), base));
  } else {
    rad.setDecimal(rad.index("DRUGISTUP1"), rates->secondFromPay);
    rad.setDecimal(rad.index("DRUGISTUP2"), rates->secondOnPay);
    rad.setDecimal(rad.index("IZNOS10"), contributionOn(rates->secondPillar(), base));
  }
  return true;
}

}  // namespace obrazac
