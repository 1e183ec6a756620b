// The row of one insured person (type 5): the person, the basis and period of insurance, and the
// five amounts against the control table of the form's combination and the contribution rates.
#include <array>

#include "check/field_check_list.h"
#include "check/field_tests.h"
#include "check/record_checks.h"

namespace obrazac::check {
namespace {

using enum FieldTest;
constexpr Severity F = Severity::Error, U = Severity::Warning;
constexpr ControlTail kRuleAndCombination = ControlTail::RuleAndCombination;
constexpr ControlTail kRuleStopAndCombination = ControlTail::RuleStopAndCombination;

const FieldCheckList& rowChecks() {
  static const FieldCheckList checks = {
      {"RS5MBGO", Numeric, F, "MBG osiguranika mora biti numerik", 0, true},
      {"RS5MBGO", MBGAlways, F, "MBG osiguranika nije točan po modulu 11"},
      {"RS5IMPR", Filled, U, "Prezime i ime osiguranika je obavezan podatak"},
      {"RS5GROP", Municipality, U, "Nepoznata općina osiguranika"},
      {"RS5OSOB", Basis, F, "Pogrešna osnova osiguranja"},
      {"RS5OSOB", IncreasedDuration, F, "Pogrešna oznaka uvećanog staža"},
      {"RS5IBRT", Amount, F, "Obračunati mjesečni iznos mora biti numerik"},
      {"RS5IOSN", Amount, F, "Osnovica za obračun doprinosa za MO mora biti numerik"},
      {"RS5IST1", Amount, F, "Uplaćeni iznos za doprinose za MO I. stup mora biti numerik"},
      {"RS5IST2", Amount, F, "Uplaćeni iznos doprinosa za MO II. stup mora biti numerik"},
      {"RS5INET", Amount, F, "Neto iznos mora biti numerik"},
      {"RS5OSOB", ControlTableRow, F, "Tip sloga 5. Pogrešan OO za obveznika = "},
      {.code = "RS3MMGG",
       .test = Month,
       .severity = F,
       .message = "Tip sloga 5. - obračunski mjesec mora biti ",
       .tail = kRuleAndCombination},
      {.code = "RS3MMGG",
       .test = Year,
       .severity = F,
       .message = "Tip sloga 5. - obračunska godina.",
       .tail = ControlTail::Combination},
      {.code = "RS5RAZD",
       .test = FirstDay,
       .severity = F,
       .message = "Tip sloga 5. - Greška - razdoblje od mora biti ",
       .tail = kRuleStopAndCombination},
      {.code = "RS5RAZD",
       .test = LastDay,
       .severity = F,
       .message = "Tip sloga 5. - Greška - razdoblje do mora biti ",
       .tail = kRuleStopAndCombination},
      {.code = "RS5IBRT",
       .test = AmountRange,
       .severity = F,
       .message = "Tip sloga 5. - Iznos obračunane plaće (IV.7) mora biti ",
       .item = 7,
       .tail = kRuleStopAndCombination},
      {.code = "RS5IOSN",
       .test = AmountRange,
       .severity = F,
       .message = "Tip sloga 5. - Osnovica za doprinose mora biti ",
       .item = 8,
       .tail = kRuleStopAndCombination},
      {.code = "RS5IST1",
       .test = AmountRange,
       .severity = F,
       .message = "Tip sloga 5. - Iznos doprinosa za I. stup mora biti ",
       .item = 9,
       .tail = kRuleStopAndCombination},
      {.code = "RS5IST1",
       .test = PillarDifference,
       .severity = U,
       .message = "Upozorenje - razlika u obračunatom doprinosu I. stupa: ",
       .item = 9},
      {.code = "RS5IST2",
       .test = AmountRange,
       .severity = F,
       .message = "Tip sloga 5. - Iznos doprinosa za II.stup mora biti ",
       .item = 10,
       .tail = kRuleStopAndCombination},
      {.code = "RS5IST2",
       .test = PillarDifference,
       .severity = F,
       .message = "Tip sloga 5. - Postoji razlika u obračunu doprinosa :",
       .item = 10},
      {"RS5IST2", TotalDifference, U, "Upozorenje - razlika o ukupno obračunatom doprinosu : "},
      {.code = "RS5INET",
       .test = AmountRange,
       .severity = F,
       .message = "Tip sloga 5. - Iznos isplaćene plaće mora biti ",
       .item = 11,
       .tail = kRuleStopAndCombination},
  };
  return checks;
}

constexpr std::string_view kAmountFields[5] = {"RS5IBRT", "RS5IOSN", "RS5IST1", "RS5IST2",
                                               "RS5INET"};

}  // namespace

void RecordChecker::checkRow(std::string_view line, FindingSink& sink) {
  static const auto& mbgField = recordField("RS5MBGO");
  static const auto& nameField = recordField("RS5IMPR");
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

  // The row as the person's work record, under the combination of its form.
  RowValues& v = row_;
  const std::string_view basis = basisField.cut(line);
  v.oo = basis.substr(0, 2);
  v.increased = basis.substr(2, 1);
  const std::string_view period = periodField.cut(line);
  v.firstDay = leadingNumber(period.substr(0, 2));
  v.lastDay = leadingNumber(period.substr(2));
  const std::string_view formPeriod = header(formPeriodField);
  v.month = leadingNumber(formPeriod.substr(0, 2));
  v.year = leadingNumber(formPeriod.substr(2, 4));
  v.vob = header(kindField);
  v.voi = header(paymentField);
  for (std::size_t i = 0; i < v.amounts.size(); ++i)
    v.amounts[i] = amountValue(amountFields[i]->cut(line));
  v.expected = {};
  v.control = nullptr;
  person_.take(mbg, v.amounts);

  run(rowChecks(), line, context_, sink);

  for (std::size_t i = 0; i < sums_.size(); ++i) sums_[i] += v.amounts[i];
}

}  // namespace obrazac::check
