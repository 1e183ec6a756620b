// One line of a payment input file (TBUPLATE.DAT, prefix OSI1): the payroll row of one insured
// person that other payroll software delivers, 194 characters of fields side by side. The line
// is read as it falls: every field keeps its text unchanged (Windows-1250, exactly its width), and
// the numbers and amounts are read from that text without refusing anything, since the line
// checks report what is wrong with a line and a reader must never stop on it.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "codelists/control_bounds.h"
#include "data/decimal.h"
#include "data/record.h"

namespace obrazac::check {

inline constexpr std::size_t kPaymentLineWidth = 194;

struct PaymentLine {
  // The fields as written, each exactly its width (blank padded when the line is short).
  std::string rbosob;         // OSI1:RBOSOB 5, sequence number (not read by the checks)
  std::string mb;             // OSI1:MB 12: employer MB (8) followed by its unit (4)
  std::string mb2;            // OSI1:MB2 13: employer MBG
  std::string vrsobv;         // OSI1:VRSOBV 2: kind of obligor (copied into findings only)
  std::string vrstaupla;      // OSI1:VRSTAUPLA 2: kind of payment (VOI)
  std::string identifikator;  // OSI1:IDENTIFIKATOR 4 (copied into findings only)
  std::string godobra;        // OSI1:GODOBRA 4: accounting year
  std::string obrmje;         // OSI1:OBRMJE 2: accounting month
  std::string obrrazd1;       // OSI1:OBRRAZD1 2: first day of the period
  std::string obrrazd2;       // OSI1:OBRRAZD2 2: last day of the period
  std::string jmbg;           // OSI1:JMBG 13: the insured person
  std::string prezime;        // OSI1:PREZIME 50: surname and first name
  std::string opcina;         // OSI1:OPCINA 4: municipality or city
  std::string clandn;         // OSI1:CLANDN 1: member of the second pillar, "D" or "N"
  std::string osnova1;        // OSI1:OSNOVA1 2: basis of insurance (OO)
  std::string osnova3;        // OSI1:OSNOVA3 1: increased-duration code (B), blank when none
  std::array<std::string, 5> amountText;  // OSI1:IZNOS7 .. IZNOS11, 15 each

  // Read from the text above.
  int year = 0;         // GODOBRA
  int month = 0;        // OBRMJE
  int firstDay = 0;     // OBRRAZD1
  int lastDay = 0;      // OBRRAZD2
  ItemAmounts amounts;  // items 7..11 (index 0 is IV.7), hundredths

  const std::string& amountField(int item) const {
    return amountText[static_cast<std::size_t>(item - 7)];
  }
  const Decimal& amount(int item) const { return amounts[static_cast<std::size_t>(item - 7)]; }
};

// The line from the OSI1 record buffer, as the text-file table read it.
PaymentLine paymentLineOf(const Record& osi1);
// The line from its raw text (Windows-1250): fields cut at their columns, a short line padded
// with blanks, anything beyond column 194 ignored.
PaymentLine paymentLineFromText(std::string_view line);
// Fills `line` in place, reusing its buffers (for a run over a whole file).
void readPaymentLine(const Record& osi1, PaymentLine& line);
void readPaymentLine(std::string_view text, PaymentLine& line);

// An amount of the text files read with the picture "N-015v2": a minus sign in the first place
// makes it negative, and the digits of places 2-15 are the amount in hundredths, so "-" followed
// by 00000000012345 is -123.45. A field that is no proper amount is read as the picture takes
// it: the digits of places 2-15 in order, other characters skipped, negative when a minus comes
// before the first digit ("        -12345" is -123.45 as well); no digit at all reads as 0.
Decimal readLineAmount(std::string_view field);

// A year, month or day of the line as its numeric value: the text without blanks read as a
// number, its fraction dropped; a text that is no number reads as 0.
int readLineNumber(std::string_view field);

// Copies the person, period and amounts of the line into a row of the work tables or page B
// (OSI4 TBOSIGU3.DAT, OSI3 TBOSIGU2.DAT, OSI TBOSIGUR.DAT): JMBG, PREZIME (50 characters into a
// wider field), OPCINA, CLANDN, OSNOVA1, OSNOVA3, OBRRAZD1 and OBRRAZD2 as numbers, IZNOS7 ..
// IZNOS11 rounded to the field's places, and the accounting year, month and kind of payment the
// caller names. Fields the row does not have are skipped; the rest of the row is left as it is.
void fillPersonRow(Record& row, const PaymentLine& line, int year, int month,
                   std::string_view paymentType);

}  // namespace obrazac::check
