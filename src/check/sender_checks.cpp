// The sender's records: type 0 opens the file, type 9 closes it with the number of forms.
#include "check/field_check_list.h"
#include "check/field_tests.h"
#include "check/record_checks.h"
#include "data/codepage.h"
#include "data/fixed_width.h"

namespace obrazac::check {
namespace {

using enum FieldTest;
constexpr Severity F = Severity::Error, U = Severity::Warning;

// In the sender's record a failed numeric test does not spare the check digit.
const FieldCheckList& senderChecks() {
  static const FieldCheckList checks = {
      {"RS0MBOO", Numeric, 12, F, "MB ovlaštene osobe mora biti numerik"},
      {"RS0MBOO", MB, 0, F, "MB ovlaštene osobe nije točan po modulu 11"},
      {"RS0MBGO", Numeric, 13, F, "MBG ovlaštene osobe mora biti numerik"},
      {"RS0MBGO", MBG, 0, F, "MBG ovlaštene osobe nije točan po modulu 11"},
      {"RS0NAOB", Filled, 0, U, "Naziv ili prezime i ime ovlaštene osobe mora biti popunjeno"},
      {"RS0ADOB", Filled, 0, U, "Adresa ovlaštene osobe mora biti popunjena"},
      {"RS0OSOB", Filled, 0, U, "Osoba za kontakt mora biti popunjena"},
  };
  return checks;
}

const FieldCheckList& fileClosingChecks() {
  static const FieldCheckList checks = {
      {"RS9MBOO", Numeric, 12, F, "MB ovlaštene osobe nije numerik"},
      {"RS9MBOO", MB, 0, F, "MB ovlaštene osobe nije točan po modulu 11"},
      {"RS9MBGO", Numeric, 13, F, "MBG ovlaštene osobe mora biti numerik", true},
      {"RS9MBGO", MBG, 0, F, "MBG obveznika nije točan po modulu 11"},
  };
  return checks;
}

// A date field that is not numeric over its whole width is misspelt; any other date must lie
// from 1 January 2005 to today (a short one fails there).
bool misspeltDate(std::string_view field) {
  return !numericField(field) && clipRight(field).size() == field.size();
}

}  // namespace

void RecordChecker::checkSender(std::string_view line, FindingSink& sink) {
  static const std::string context = "Slog tipa 0";
  static const auto& date = recordField("RS0DTMN");
  static const auto& format = recordField("RS0OFOR");
  senderChecks().run(line, context, sink);
  const std::string_view sent = date.cut(line);
  if (!numericField(sent, 8))
    sink.add(date.code, F, context, cp1250("Datum nije numerik=") + std::string(sent));
  if (!dateInRange(sent, clock_))
    sink.add(date.code, F, context, cp1250("Pogrešan datum slanja sloga"));
  if (format.cut(line) != "RM500")
    sink.add(format.code, U, context, cp1250("Pogrešna oznaka formata "));
}

void RecordChecker::checkFileClosing(std::string_view line, FindingSink& sink) {
  static const auto& date = recordField("RS9DTMN");
  static const auto& count = recordField("RS9BROJ");
  const std::string_view context = obligorName();
  fileClosingChecks().run(line, context, sink);

  const std::string_view made = date.cut(line);
  if (misspeltDate(made) || !dateInRange(made, clock_))
    sink.add(date.code, F, context, cp1250("Pogrešan datum formiranja sloga"));

  const std::string_view forms = count.cut(line);
  if (!numericField(forms, 6)) {
    sink.add(count.code, U, context, cp1250("Broj podataka nije numerik"));
  } else if (countValue(forms) != Decimal(forms_)) {
    sink.add(count.code, U, context, cp1250("Broj slogova tipa 3 nije identičan podatku RS9BROJ"));
  }
}

}  // namespace obrazac::check
