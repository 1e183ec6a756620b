// The sender's records: type 0 opens the file, type 9 closes it with the number of forms.
#include "check/field_check_list.h"
#include "check/record_checks.h"

namespace obrazac::check {
namespace {

using enum FieldTest;
constexpr Severity F = Severity::Error, U = Severity::Warning;

// In the sender's record a failed numeric test does not spare the check digit.
const FieldCheckList& senderChecks() {
  static const FieldCheckList checks = {
      {"RS0MBOO", Numeric, F, "MB ovlaštene osobe mora biti numerik", 12},
      {"RS0MBOO", MB, F, "MB ovlaštene osobe nije točan po modulu 11"},
      {"RS0MBGO", Numeric, F, "MBG ovlaštene osobe mora biti numerik", 13},
      {"RS0MBGO", MBG, F, "MBG ovlaštene osobe nije točan po modulu 11"},
      {"RS0NAOB", Filled, U, "Naziv ili prezime i ime ovlaštene osobe mora biti popunjeno"},
      {"RS0ADOB", Filled, U, "Adresa ovlaštene osobe mora biti popunjena"},
      {"RS0OSOB", Filled, U, "Osoba za kontakt mora biti popunjena"},
      {"RS0DTMN", DateDigits, F, "Datum nije numerik="},
      {"RS0DTMN", DateInRange, F, "Pogrešan datum slanja sloga"},
      {"RS0OFOR", FormatMark, U, "Pogrešna oznaka formata "},
  };
  return checks;
}

// Any date of the closing record must lie from 1 January 2005 to today (a short one fails).
const FieldCheckList& fileClosingChecks() {
  static const FieldCheckList checks = {
      {"RS9MBOO", Numeric, F, "MB ovlaštene osobe nije numerik", 12},
      {"RS9MBOO", MB, F, "MB ovlaštene osobe nije točan po modulu 11"},
      {"RS9MBGO", Numeric, F, "MBG ovlaštene osobe mora biti numerik", 13, true},
      {"RS9MBGO", MBG, F, "MBG obveznika nije točan po modulu 11"},
      {"RS9DTMN", DateValid, F, "Pogrešan datum formiranja sloga"},
      {"RS9BROJ", Numeric, U, "Broj podataka nije numerik", 6, true},
      {"RS9BROJ", FormCount, U, "Broj slogova tipa 3 nije identičan podatku RS9BROJ"},
  };
  return checks;
}

}  // namespace

void RecordChecker::checkSender(std::string_view line, FindingSink& sink) {
  static const std::string context = "Slog tipa 0";
  run(senderChecks(), line, context, sink);
}

void RecordChecker::checkFileClosing(std::string_view line, FindingSink& sink) {
  run(fileClosingChecks(), line, obligorName(), sink);
}

}  // namespace obrazac::check
