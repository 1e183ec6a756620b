#include "form/form_request.h"

#include "data/fixed_width.h"

namespace obrazac::form {

FormRequest formRequestOf(const SendingHeader& h, std::string_view employerJmbg) {
  FormRequest f;
  f.employer = h.employer;
  f.year = h.yearValue();
  f.month = h.monthValue();
  f.firstDay = h.firstDayValue();
  f.lastDay = h.lastDayValue();
  f.paymentYear = h.paymentYearValue();
  f.paymentMonth = h.paymentMonthValue();
  f.formNumber = h.formNumberValue();
  f.paymentType = padRight(h.paymentType, 2);
  f.identity = buildFormIdentity(f.employer, f.year, f.formNumber, employerJmbg, h.obligorKind,
                                 f.paymentType);
  return f;
}

}  // namespace obrazac::form
