#include "form/form_identity.h"

#include <cstdio>

#include "data/fixed_width.h"
#include "register/identifier_checks.h"

namespace obrazac::form {
namespace {

std::string digits(int value, int width) {
  char text[32];
  std::snprintf(text, sizeof text, "%0*d", width, value);
  return text;
}

char yearDigit(int year) {
  return static_cast<char>('0' + (year % 10 + 10) % 10);
}

}  // namespace

FormIdentity buildFormIdentity(int employer, int year, int formNumber,
                               std::string_view employerJmbg, std::string_view obligorKind,
                               std::string_view paymentType) {
  const char y = yearDigit(year);
  const auto jmbg = clipRight(employerJmbg);
  std::string id4;
  if (jmbg.size() == 13 && !isAbsentJMBG(jmbg))
    id4 = y + digits(formNumber, 2) + " ";
  else
    id4 = y + digits(formNumber, 3);
  if (obligorKind == "30" || obligorKind == "31")
    id4 = std::string("9") + y + digits(formNumber, 2);
  FormIdentity f;
  f.id4 = padRight(id4, 4);
  f.identifier = padRight(digits(employer, 3) + f.id4, 7);
  f.link = f.identifier + padRight(paymentType, 2);
  return f;
}

std::string outputFileName(int employer, int year, int formNumber) {
  std::string name = "F";
  name += digits(employer, 3);
  name += yearDigit(year);
  name += digits(formNumber, 3);
  name += ".TXT";
  return name;
}

}  // namespace obrazac::form
