#include "check/input_selection_checks.h"

#include "check/line_selection.h"
#include "check/payment_line.h"
#include "data/numeric_text.h"
#include "register/entry_rules.h"

namespace obrazac::check {
namespace {

CheckResult fail(const char* message, const char* field) {
  return CheckFailure{message, field};
}

}  // namespace

CheckResult checkSelectionYear(std::string_view year) {
  if (!isNumeric(year)) return fail("Greška. Godina mora biti numerik", "GLO:ObrGod");
  if (!isNumeric(year, 4)) return fail("Greška. Godina mora biti 4-znamenkasta", "GLO:ObrGod");
  return std::nullopt;
}

CheckResult checkSelectionMonth(std::string_view month, std::string_view paymentType) {
  if (!isNumeric(month)) return fail("Mjesec mora biti numerik", "GLO:ObrMje");
  const int value = readLineNumber(month);
  // A month below 0 is as wrong as one above 12.
  if (value < 0 || value > 12) return fail("Pogrešna oznaka mjeseca", "GLO:ObrMje");
  const std::string type = twoDigitPaymentType(paymentType);
  if ((type == "03" || type == "05" || type == "06") && value != 0)
    return fail("Za uplate 03 05 i 06 mjesec mora biti = 00", "GLO:ObrMje");
  return std::nullopt;
}

CheckResult checkSelectionDay(std::string_view day, bool first, std::string_view month,
                              std::string_view year) {
  const char* field = first ? "GLO:RazdOd" : "GLO:RazdDo";
  if (!isNumeric(day)) return fail("Greška. Dozvoljene su samo brojke", field);
  const int m = readLineNumber(month);
  if (m > 0 && dayBeyondMonth(readLineNumber(day), m, readLineNumber(year)))
    return fail("Pogrešan dan", field);
  return std::nullopt;
}

}  // namespace obrazac::check
