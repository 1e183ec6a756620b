// The form identifier and the form link that tie page A, its page B rows and the list of
// processed obligors together, and the name of the obligor's output file. Pure functions of the
// header values and the obligor; nothing is read or written.
#pragma once

#include <string>
#include <string_view>

namespace obrazac::form {

struct FormIdentity {
  std::string id4;         // year digit and form number ("5007", "507 ", "9557")
  std::string identifier;  // employer number as 3 digits followed by id4 (A:IDENTIFIKATOR)
  std::string link;        // identifier followed by the kind of calculation (A:KONVEZA)
};

// employerJmbg is POS:JMBG: an obligor whose JMBG has 13 characters and is not all zeros is a
// natural person and numbers its forms with two digits; kinds "30" and "31" take "9", the year
// digit and two digits whatever the identification.
FormIdentity buildFormIdentity(int employer, int year, int formNumber,
                               std::string_view employerJmbg, std::string_view obligorKind,
                               std::string_view paymentType);

// "F", employer as 3 digits, the year digit, form number as 3 digits, ".TXT": F0125004.TXT.
std::string outputFileName(int employer, int year, int formNumber);

}  // namespace obrazac::form
