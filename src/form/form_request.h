// One form to build: the obligor, period, kind of calculation, payment month and form number of
// the sending header as numbers, with the form's identifier and link. Page B, page A and the
// records of the submission file are all built from it.
#pragma once

#include <string>
#include <string_view>

#include "form/form_identity.h"
#include "form/sending_header.h"

namespace obrazac::form {

struct FormRequest {
  int employer = 0;
  int year = 0;
  int month = 0;
  int firstDay = 0;
  int lastDay = 0;
  int paymentYear = 0;
  int paymentMonth = 0;
  int formNumber = 0;
  std::string paymentType;  // the VOI code, 2 characters (Windows-1250)
  FormIdentity identity;
};

// The header's values with the identity built for the obligor whose POS:JMBG is given.
FormRequest formRequestOf(const SendingHeader& header, std::string_view employerJmbg);

}  // namespace obrazac::form
