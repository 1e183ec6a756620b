// The records of one form: type 3 opens it with page A (the obligor, the period and the totals),
// type 7 closes it with the number of its rows, which the totals and the rows must agree with.
#include <array>
#include <iterator>
#include <string>

#include "check/field_check_list.h"
#include "check/field_tests.h"
#include "check/record_checks.h"
#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/picture.h"

namespace obrazac::check {
namespace {

using enum FieldTest;
constexpr Severity F = Severity::Error, U = Severity::Warning;

constexpr std::string_view kNoMB = "000000000000";
constexpr std::string_view kNoMBG = "0000000000000";

const FieldCheckList& headerIdentityChecks() {
  static const FieldCheckList checks = {
      {"RS3MBOO", Numeric, 12, F, "MB obveznika mora biti numerik", true},
      {"RS3MBOO", MB, 0, F, "MB obveznika nije točan po modulu 11"},
      {"RS3MBGO", Numeric, 13, F, "MBG obveznika mora biti numerik", true},
      {"RS3MBGO", MBG, 0, F, "MBG obveznika nije točan po modulu 11"},
  };
  return checks;
}

const FieldCheckList& headerNameChecks() {
  static const FieldCheckList checks = {
      {"RS3NAOB", Filled, 0, F, "Naziv ili prezime i ime obveznika osobe ne smije biti prazna"},
      {"RS3ADOB", Filled, 0, U, "Adresa obveznika ne smije biti prazna"},
  };
  return checks;
}

const FieldCheckList& headerPeriodChecks() {
  static const FieldCheckList checks = {
      {"RS3MMGG", Numeric, 6, F, "Mjesec i godina nisu numerik"},
  };
  return checks;
}

const FieldCheckList& headerCountAndTotalChecks() {
  static const FieldCheckList checks = {
      {"RS3BROS", Numeric, 5, F, "Broj osiguranika mora biti numerik"},
      {"RS3IBRT", Amount, 0, F, "Obračunati mjesečni iznos mora biti numerik"},
      {"RS3IOSN", Amount, 0, F, "Osnovica za obračun doprinosa mora biti numerik"},
      {"RS3IST1", Amount, 0, F, "Doprinos za I. stup mora biti numerik"},
      {"RS3IST2", Amount, 0, F, "Doprinos za II. stup mora biti numerik"},
      {"RS3INET", Amount, 0, F, "Iznos neto isplate mora biti numerik"},
  };
  return checks;
}

const FieldCheckList& closingIdentityChecks() {
  static const FieldCheckList checks = {
      {"RS7MBOO", Numeric, 12, F, "MB obveznika nije numerik"},
      {"RS7MBOO", MB, 0, F, "MB obveznika nije točan po modulu 11"},
      {"RS7MBGO", Numeric, 13, F, "MBG obveznika mora biti numerik", true},
      {"RS7MBGO", MBG, 0, F, "MBG obveznika nije točan po modulu 11"},
  };
  return checks;
}

// An identifier counts as given when it is neither zeros nor blank.
bool given(std::string_view field, std::string_view zeros) {
  return field != zeros && !isBlank(field);
}

bool startsWithEightOrNine(std::string_view mb) {
  return !mb.empty() && (mb[0] == '8' || mb[0] == '9');
}

// A header total against the sum of its rows, compared to the hundredth.
struct TotalCheck {
  std::string_view field;
  std::string_view label;   // "Zbroj III.1 ne odgovara sumi IV.7 tj. III.1="
  std::string_view middle;  // " - Suma IV.7="
  std::string_view picture;
  Severity severity;
};

constexpr TotalCheck kTotals[5] = {
    {"RS3DIOI", "Zbroj III.1 ne odgovara sumi IV.7 tj. III.1=", " - Suma IV.7=", "N15`4", U},
    {"RS3IOSN", "Zbroj III.2 ne odgovara sumi IV.8 tj. III.2=", " - Suma IV.8=", "N15`4", F},
    {"RS3IST1", "Zbroj III.3 ne odgovara sumi IV.9 tj. III.3=", " - Suma IV.9=", "n15.2", F},
    {"RS3IST2", "Zbroj III.4 ne odgovara sumi IV.10 tj. III.4=", " - Suma IV.10=", "n15.2", F},
    {"RS3INET", "Zbroj III.5 ne odgovara sumi IV.11 tj. III.5=", " - Suma IV.11=", "n15.2", F},
};

constexpr std::string_view kTotalFields[5] = {"RS3IBRT", "RS3IOSN", "RS3IST1", "RS3IST2",
                                              "RS3INET"};

}  // namespace

void RecordChecker::checkFormHeader(std::string_view line, FindingSink& sink) {
  static const auto& mbField = recordField("RS3MBOO");
  static const auto& mbgField = recordField("RS3MBGO");
  static const auto& kindField = recordField("RS3VROB");
  static const auto& paymentField = recordField("RS3VROI");

  lastHeader_.assign(line);
  ++forms_;
  rows_ = 0;
  const std::string_view context = obligorName();
  const std::string_view mb = mbField.cut(line), mbg = mbgField.cut(line),
                         kind = kindField.cut(line);

  headerIdentityChecks().run(line, context, sink);
  if (kind != "17" && mb != kNoMB && mbg != kNoMBG && !startsWithEightOrNine(mb))
    sink.add(mbgField.code, F, context,
             cp1250("Nije dozvoljeno upisati MB i MBG obveznika, izuzev ako MB firme počinje sa 8 "
                    "ili 9 "));
  headerNameChecks().run(line, context, sink);

  const auto obligorKind = lookups_.obligorKind(kind);
  if (!obligorKind) {
    sink.add(kindField.code, F, context, cp1250("Nepoznata vrsta obveznika"));
  } else if (kind != "17") {
    if (obligorKind->needsMB && (mb.substr(0, 8) == "00000000" || isBlank(mb)))
      sink.add(mbField.code, F, context, cp1250("MB pravne osobe mora biti upisan"));
    if (obligorKind->needsMBG && !given(mbg, kNoMBG))
      sink.add(mbgField.code, F, context, cp1250("MBG obveznika mora biti upisan"));
    if (given(mb, kNoMB) && given(mbg, kNoMBG) && !startsWithEightOrNine(mb) && kind != "02" &&
        kind != "21")
      sink.add(mbField.code, F, context,
               cp1250("MB i MBG mogu biti upisani samo za VOB=02 i ako MB počine sa 8 ili 9, VOB "
                      "nije 02 i 21"));
  }

  headerPeriodChecks().run(line, context, sink);
  if (!lookups_.contains(CodeList::PaymentKinds, paymentField.cut(line)))
    sink.add(paymentField.code, F, context, cp1250("Nepoznata vrsta uplate"));
  headerCountAndTotalChecks().run(line, context, sink);

  // The form's totals, against which its rows are summed; a new form forgets the last person.
  static const std::array<const submission::RecordField*, 5> totals = {
      &recordField(kTotalFields[0]), &recordField(kTotalFields[1]), &recordField(kTotalFields[2]),
      &recordField(kTotalFields[3]), &recordField(kTotalFields[4])};
  for (std::size_t i = 0; i < headerTotals_.size(); ++i)
    headerTotals_[i] = amountValue(totals[i]->cut(line));
  sums_ = {};
  person_.forget();
}

void RecordChecker::checkFormClosing(std::string_view line, FindingSink& sink) {
  static const auto& idField = recordField("RS7RBSU");
  static const auto& headerIdField = recordField("RS3RBSU");
  static const auto& countField = recordField("RS7BRSL");
  static const auto& dateField = recordField("RS7DTRS");
  static const NumberPicture n5("n5");
  const std::string_view context = obligorName();

  closingIdentityChecks().run(line, context, sink);
  if (idField.cut(line) != header(headerIdField))
    sink.add(idField.code, F, context,
             cp1250("Identifikator nije jednak Identifikatoru u slogu tipa 3"));

  const std::string_view count = countField.cut(line);
  if (!numericField(count, 5)) {
    sink.add(countField.code, F, context, cp1250("Broj slogova nije numerik"));
  } else if (const auto written = countValue(count); written != Decimal(rows_)) {
    std::string m = cp1250("Broj slogova tipa 5 nije jednak broju upisanih slogova ");
    if (written)
      n5.appendTo(m, *written);
    else
      m += padLeft(clipRight(count), 5);
    m += ' ';
    n5.appendTo(m, Decimal(rows_));
    sink.add(countField.code, F, context, m);
  }

  const std::string_view made = dateField.cut(line);
  if (!numericField(made) && clipRight(made).size() == made.size())
    sink.add(dateField.code, F, context, cp1250("Pogrešan datum formiranja "));
  else if (!dateInRange(made, clock_))
    sink.add(dateField.code, F, context, cp1250("Datum formiranja je pogrešan"));

  for (std::size_t i = 0; i < std::size(kTotals); ++i) {
    if (headerTotals_[i].roundTo(2) == sums_[i].roundTo(2)) continue;
    const TotalCheck& t = kTotals[i];
    std::string m = cp1250(t.label) + formatNumber(headerTotals_[i], t.picture) + cp1250(t.middle) +
                    formatNumber(sums_[i], t.picture);
    sink.add(t.field, t.severity, context, m);
  }
}

}  // namespace obrazac::check
