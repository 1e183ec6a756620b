// The records of one form: type 3 opens it with page A (the obligor, the period and the totals),
// type 7 closes it with the number of its rows, which the totals and the rows must agree with.
#include <array>

#include "check/field_check_list.h"
#include "check/field_tests.h"
#include "check/record_checks.h"

namespace obrazac::check {
namespace {

using enum FieldTest;
constexpr Severity F = Severity::Error, U = Severity::Warning;

const FieldCheckList& formHeaderChecks() {
  static const FieldCheckList checks = {
      {"RS3MBOO", Numeric, F, "MB obveznika mora biti numerik", 12, true},
      {"RS3MBOO", MB, F, "MB obveznika nije točan po modulu 11"},
      {"RS3MBGO", Numeric, F, "MBG obveznika mora biti numerik", 13, true},
      {"RS3MBGO", MBG, F, "MBG obveznika nije točan po modulu 11"},
      {"RS3MBGO", MBBesideMBG, F,
       "Nije dozvoljeno upisati MB i MBG obveznika, izuzev ako MB firme počinje sa 8 ili 9 "},
      {"RS3NAOB", Filled, F, "Naziv ili prezime i ime obveznika osobe ne smije biti prazna"},
      {"RS3ADOB", Filled, U, "Adresa obveznika ne smije biti prazna"},
      {"RS3VROB", ObligorKind, F, "Nepoznata vrsta obveznika"},
      {"RS3MBOO", MBRequired, F, "MB pravne osobe mora biti upisan"},
      {"RS3MBGO", MBGRequired, F, "MBG obveznika mora biti upisan"},
      {"RS3MBOO", MBBesideMBGKind, F,
       "MB i MBG mogu biti upisani samo za VOB=02 i ako MB počine sa 8 ili 9, VOB nije 02 i 21"},
      {"RS3MMGG", Numeric, F, "Mjesec i godina nisu numerik", 6},
      {"RS3VROI", PaymentKind, F, "Nepoznata vrsta uplate"},
      {"RS3BROS", Numeric, F, "Broj osiguranika mora biti numerik", 5},
      {"RS3IBRT", Amount, F, "Obračunati mjesečni iznos mora biti numerik"},
      {"RS3IOSN", Amount, F, "Osnovica za obračun doprinosa mora biti numerik"},
      {"RS3IST1", Amount, F, "Doprinos za I. stup mora biti numerik"},
      {"RS3IST2", Amount, F, "Doprinos za II. stup mora biti numerik"},
      {"RS3INET", Amount, F, "Iznos neto isplate mora biti numerik"},
  };
  return checks;
}

// A header total is compared with the sum of its rows to the hundredth.
const FieldCheckList& formClosingChecks() {
  static const FieldCheckList checks = {
      {"RS7MBOO", Numeric, F, "MB obveznika nije numerik", 12},
      {"RS7MBOO", MB, F, "MB obveznika nije točan po modulu 11"},
      {"RS7MBGO", Numeric, F, "MBG obveznika mora biti numerik", 13, true},
      {"RS7MBGO", MBG, F, "MBG obveznika nije točan po modulu 11"},
      {"RS7RBSU", SameIdentifier, F, "Identifikator nije jednak Identifikatoru u slogu tipa 3"},
      {"RS7BRSL", Numeric, F, "Broj slogova nije numerik", 5, true},
      {"RS7BRSL", RowCount, F, "Broj slogova tipa 5 nije jednak broju upisanih slogova "},
      {"RS7DTRS", DateWritten, F, "Pogrešan datum formiranja ", 0, true},
      {"RS7DTRS", DateInRange, F, "Datum formiranja je pogrešan"},
      {.code = "RS3DIOI",
       .test = HeaderTotal,
       .severity = U,
       .message = "Zbroj III.1 ne odgovara sumi IV.7 tj. III.1=",
       .item = 7,
       .middle = " - Suma IV.7=",
       .picture = "N15`4"},
      {.code = "RS3IOSN",
       .test = HeaderTotal,
       .severity = F,
       .message = "Zbroj III.2 ne odgovara sumi IV.8 tj. III.2=",
       .item = 8,
       .middle = " - Suma IV.8=",
       .picture = "N15`4"},
      {.code = "RS3IST1",
       .test = HeaderTotal,
       .severity = F,
       .message = "Zbroj III.3 ne odgovara sumi IV.9 tj. III.3=",
       .item = 9,
       .middle = " - Suma IV.9=",
       .picture = "n15.2"},
      {.code = "RS3IST2",
       .test = HeaderTotal,
       .severity = F,
       .message = "Zbroj III.4 ne odgovara sumi IV.10 tj. III.4=",
       .item = 10,
       .middle = " - Suma IV.10=",
       .picture = "n15.2"},
      {.code = "RS3INET",
       .test = HeaderTotal,
       .severity = F,
       .message = "Zbroj III.5 ne odgovara sumi IV.11 tj. III.5=",
       .item = 11,
       .middle = " - Suma IV.11=",
       .picture = "n15.2"},
  };
  return checks;
}

constexpr std::string_view kTotalFields[5] = {"RS3IBRT", "RS3IOSN", "RS3IST1", "RS3IST2",
                                              "RS3INET"};

}  // namespace

void RecordChecker::checkFormHeader(std::string_view line, FindingSink& sink) {
  lastHeader_.assign(line);
  ++forms_;
  rows_ = 0;
  obligorKind_.reset();
  run(formHeaderChecks(), line, obligorName(), sink);

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
  run(formClosingChecks(), line, obligorName(), sink);
}

}  // namespace obrazac::check
