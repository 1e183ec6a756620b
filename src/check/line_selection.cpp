#include "check/line_selection.h"

#include <cstdio>

#include "data/fixed_width.h"
#include "data/numeric_text.h"

namespace obrazac::check {
namespace {

std::string numericOrZeros(std::string_view text, std::size_t width) {
  std::string field = padRight(text, width);
  if (!isNumeric(field)) field.assign(width, '0');
  return field;
}

}  // namespace

EmployerIdentity employerIdentityOf(const Record& pos) {
  return {numericOrZeros(pos.text(pos.index("MB01")), 8),
          numericOrZeros(pos.text(pos.index("MB02")), 4),
          numericOrZeros(pos.text(pos.index("JMBG")), 13)};
}

EmployerIdentity lineIdentityOf(const PaymentLine& line) {
  const std::string_view mb = line.mb;
  return {numericOrZeros(mb.substr(0, 8), 8), numericOrZeros(mb.substr(8, 4), 4),
          numericOrZeros(line.mb2, 13)};
}

std::string twoDigitPaymentType(std::string_view typed) {
  if (isNumeric(typed)) {
    const int value = readLineNumber(typed);
    if (value >= 0 && value <= 99) {
      char text[4];
      std::snprintf(text, sizeof text, "%02d", value);
      return text;
    }
  }
  return padRight(typed, 2);
}

bool lineSelected(const LineSelection& s, const PaymentLine& line) {
  auto withinDays = [&s](int day) { return s.firstDay <= day && day <= s.lastDay; };
  return lineIdentityOf(line) == s.employer && line.year == s.year && line.month == s.month &&
         withinDays(line.firstDay) && withinDays(line.lastDay) &&
         std::string_view(line.vrstaupla) == s.paymentType;
}

}  // namespace obrazac::check
