// The row of one insured person (type 5): the person, the basis and period of insurance, and the
// five amounts against the control table of the form's combination and the contribution rates.
#include <array>
#include <string>

#include "check/field_check_list.h"
#include "check/field_tests.h"
#include "check/record_checks.h"
#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/picture.h"
#include "register/entry_rules.h"

namespace obrazac::check {
namespace {

using enum FieldTest;
constexpr Severity F = Severity::Error, U = Severity::Warning;

const FieldCheckList& personChecks() {
  static const FieldCheckList checks = {
      {"RS5MBGO", Numeric, 0, F, "MBG osiguranika mora biti numerik", true},
      {"RS5MBGO", MBGAlways, 0, F, "MBG osiguranika nije točan po modulu 11"},
      {"RS5IMPR", Filled, 0, U, "Prezime i ime osiguranika je obavezan podatak"},
  };
  return checks;
}

const FieldCheckList& amountChecks() {
  static const FieldCheckList checks = {
      {"RS5IBRT", Amount, 0, F, "Obračunati mjesečni iznos mora biti numerik"},
      {"RS5IOSN", Amount, 0, F, "Osnovica za obračun doprinosa za MO mora biti numerik"},
      {"RS5IST1", Amount, 0, F, "Uplaćeni iznos za doprinose za MO I. stup mora biti numerik"},
      {"RS5IST2", Amount, 0, F, "Uplaćeni iznos doprinosa za MO II. stup mora biti numerik"},
      {"RS5INET", Amount, 0, F, "Neto iznos mora biti numerik"},
  };
  return checks;
}

// The range check of an amount item against the control table, with its field and message.
struct AmountRange {
  int item;  // 7 .. 11
  std::string_view field;
  std::string_view message;
};

constexpr AmountRange kAmountRanges[] = {
    {7, "RS5IBRT", "Tip sloga 5. - Iznos obračunane plaće (IV.7) mora biti "},
    {8, "RS5IOSN", "Tip sloga 5. - Osnovica za doprinose mora biti "},
    {9, "RS5IST1", "Tip sloga 5. - Iznos doprinosa za I. stup mora biti "},
    {10, "RS5IST2", "Tip sloga 5. - Iznos doprinosa za II.stup mora biti "},
    {11, "RS5INET", "Tip sloga 5. - Iznos isplaćene plaće mora biti "},
};

constexpr std::string_view kAmountFields[5] = {"RS5IBRT", "RS5IOSN", "RS5IST1", "RS5IST2",
                                               "RS5INET"};

// "<label><amount>  - <expected>", both with the picture "N10.2".
std::string difference(std::string_view label, const Decimal& amount, const Decimal& expected) {
  static const NumberPicture n10("N10.2");
  std::string m = cp1250(label);
  n10.appendTo(m, amount);
  m += "  - ";
  n10.appendTo(m, expected);
  return m;
}

}  // namespace

void RecordChecker::checkRow(std::string_view line, FindingSink& sink) {
  static const auto& mbgField = recordField("RS5MBGO");
  static const auto& nameField = recordField("RS5IMPR");
  static const auto& municipalityField = recordField("RS5GROP");
  static const auto& basisField = recordField("RS5OSOB");
  static const auto& periodField = recordField("RS5RAZD");
  static const auto& formPeriodField = recordField("RS3MMGG");
  static const auto& kindField = recordField("RS3VROB");
  static const auto& paymentField = recordField("RS3VROI");
  static const std::array<const submission::RecordField*, 5> amountFields = {
      &recordField(kAmountFields[0]), &recordField(kAmountFields[1]),
      &recordField(kAmountFields[2]), &recordField(kAmountFields[3]),
      &recordField(kAmountFields[4])};

  ++rows_;
  const std::string_view mbg = mbgField.cut(line);
  context_.assign(mbg).append(" ").append(nameField.cut(line));
  const std::string_view context = context_;

  // The row as the person's work record.
  const std::string_view basis = basisField.cut(line);
  const std::string_view oo = basis.substr(0, 2), increased = basis.substr(2, 1);
  const std::string_view period = periodField.cut(line);
  const int firstDay = leadingNumber(period.substr(0, 2)),
            lastDay = leadingNumber(period.substr(2));
  const std::string_view formPeriod = header(formPeriodField);
  const int month = leadingNumber(formPeriod.substr(0, 2)),
            year = leadingNumber(formPeriod.substr(2, 4));
  ItemAmounts amounts;
  for (std::size_t i = 0; i < amounts.size(); ++i)
    amounts[i] = amountValue(amountFields[i]->cut(line));
  person_.take(mbg, amounts);

  personChecks().run(line, context, sink);
  if (!lookups_.contains(CodeList::Municipalities, municipalityField.cut(line)))
    sink.add(municipalityField.code, U, context, cp1250("Nepoznata općina osiguranika"));
  if (!lookups_.contains(CodeList::Bases, oo))
    sink.add(basisField.code, F, context, cp1250("Pogrešna osnova osiguranja"));
  // A row without increased duration leaves its mark blank, as the monthly rows do; the code
  // list cannot hold a blank code, since a key leaves out a record whose key fields are blank.
  if (!isBlank(increased) && !lookups_.contains(CodeList::IncreasedDuration, increased))
    sink.add(basisField.code, F, context, cp1250("Pogrešna oznaka uvećanog staža"));
  amountChecks().run(line, context, sink);

  // The contributions the base should carry, and the form's combination in the control table.
  const std::string_view vob = header(kindField), voi = header(paymentField);
  const Decimal &base = amounts[1], &first = amounts[2], &second = amounts[3];
  const ExpectedContributions expected = expectedContributions(
      lookups_.rates(voi, vob, oo, increased, second.sign() > 0 ? "D" : "N"), base);
  const ControlRow& row = lookups_.controlRow(vob, voi, oo);  // no other lookup until the end
  const ControlBounds& bounds = row.bounds;

  if (!row.found)
    sink.add(basisField.code, F, context,
             cp1250("Tip sloga 5. Pogrešan OO za obveznika = ") + std::string(vob) +
                 " VOI=" + std::string(voi));
  // The tail of the control-table messages, made only for a finding.
  const auto combination = [&] {
    return cp1250(" Provjerite kontrolnu tablicu za VOB=") + std::string(vob) +
           " VOI=" + std::string(voi) + " OO=" + std::string(oo);
  };
  const auto table = [&] {
    std::string text(1, '.');
    text += combination();
    return text;
  };
  const auto condition = [&](ControlValue v) { return std::string(bounds.ruleText(v)); };

  if (!bounds.permits(ControlValue::Month, month))
    sink.add("RS3MMGG", F, context,
             cp1250("Tip sloga 5. - obračunski mjesec mora biti ") +
                 condition(ControlValue::Month) + combination());
  if (!bounds.permits(ControlValue::Year, year))
    sink.add("RS3MMGG", F, context, cp1250("Tip sloga 5. - obračunska godina.") + combination());
  if (!bounds.permits(ControlValue::FirstDay, firstDay) || dayBeyondMonth(firstDay, month, year))
    sink.add(periodField.code, F, context,
             cp1250("Tip sloga 5. - Greška - razdoblje od mora biti ") +
                 condition(ControlValue::FirstDay) + table());
  if (!bounds.permits(ControlValue::LastDay, lastDay) || dayBeyondMonth(lastDay, month, year))
    sink.add(periodField.code, F, context,
             cp1250("Tip sloga 5. - Greška - razdoblje do mora biti ") +
                 condition(ControlValue::LastDay) + table());

  const auto checkRange = [&](const AmountRange& r) {
    const ControlValue v = amountItem(r.item);
    const Decimal& amount = amounts[static_cast<std::size_t>(r.item - 7)];
    if (bounds.judgeAmount(v, amount, person_.remembered(r.item)) == AmountVerdict::Outside)
      sink.add(r.field, F, context, cp1250(r.message) + condition(v) + table());
  };
  checkRange(kAmountRanges[0]);
  checkRange(kAmountRanges[1]);
  checkRange(kAmountRanges[2]);
  if (base.sign() > 0 && first.sign() > 0 && differsFromExpected(first, expected.firstPillar))
    sink.add("RS5IST1", U, context,
             difference("Upozorenje - razlika u obračunatom doprinosu I. stupa: ", first,
                        expected.firstPillar));
  checkRange(kAmountRanges[3]);
  if (base.sign() > 0 && second.sign() > 0 && differsFromExpected(second, expected.secondPillar))
    sink.add("RS5IST2", F, context,
             difference("Tip sloga 5. - Postoji razlika u obračunu doprinosa :", second,
                        expected.secondPillar));
  if (base.sign() > 0 && differsFromExpected(first + second, expected.total))
    sink.add("RS5IST2", U, context,
             difference("Upozorenje - razlika o ukupno obračunatom doprinosu : ", first + second,
                        expected.total));
  checkRange(kAmountRanges[4]);

  for (std::size_t i = 0; i < sums_.size(); ++i) sums_[i] += amounts[i];
}

}  // namespace obrazac::check
