// Which lines of a payment input file belong to the chosen employer, kind of payment and period.
// Identifiers are compared as text, each replaced by zeros of its width when it is not a
// number, so an employer without an MB matches lines whose MB is blank or not numeric.
#pragma once

#include <string>
#include <string_view>

#include "check/payment_line.h"
#include "data/record.h"

namespace obrazac::check {

// MB (8), unit (4) and MBG (13) as compared: Windows-1250 text, or zeros when not numeric.
struct EmployerIdentity {
  std::string mb;
  std::string unit;
  std::string mbg;
  bool operator==(const EmployerIdentity&) const = default;
};

// The chosen employer's identity from its POS record (POS:MB01, POS:MB02, POS:JMBG).
EmployerIdentity employerIdentityOf(const Record& pos);
// The identity a line names: characters 1-8 and 9-12 of OSI1:MB, and OSI1:MB2.
EmployerIdentity lineIdentityOf(const PaymentLine& line);

// The kind of payment as the lines write it: a number as two digits with a leading zero ("1"
// and "01" give "01"); any other text as it is, cut or padded to two characters.
std::string twoDigitPaymentType(std::string_view typed);

struct LineSelection {
  EmployerIdentity employer;
  std::string paymentType;  // two characters, see twoDigitPaymentType
  int year = 0;
  int month = 0;
  int firstDay = 0;  // day range, both bounds included
  int lastDay = 0;
};

// True when the line is the selected employer's (MB, unit and MBG), of the selected year and
// month, both its days lie within the day range, and its kind of payment is the selected one.
bool lineSelected(const LineSelection& selection, const PaymentLine& line);

}  // namespace obrazac::check
