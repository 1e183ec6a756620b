// The records of the submission file built field by field on the layouts of record_format.h:
// the sender (type 0), page A of a form (3), one page B row (5), the end of a form (7) and the
// end of the file (9), each one line of exactly 250 characters without its line end. Text is
// Windows-1250 as held in the records. An amount or count too large for its field throws
// std::overflow_error: a field of '#' or cut digits would be a wrong file, never a written one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/date.h"
#include "data/decimal.h"
#include "data/record.h"
#include "data/record_format.h"

namespace obrazac::submission {

// Where the rows of a file come from. The origin decides the sign written for zero and positive
// amounts ("0" from the monthly data, "+" from taken-over payment data), how strictly the
// obligor's numbers are tested before they are written and whether the period of the form comes
// from the sending window or from page A.
enum class RowOrigin { MonthlyData, TakenOver };

// How the MB and JMBG fields of the sender (types 0 and 9) are filled from the parameters.
enum class SenderRule {
  Numeric,     // MB when numeric and not zeros, then a numeric non-zero JMBG wins over it
  Length,      // the same with lengths (8, 4, 13) in place of the numeric tests
  Collective,  // both written, each as zeros where it is not numeric
};

struct Identification {
  std::string mb;    // 12 characters: MB and unit
  std::string jmbg;  // 13 characters
  bool operator==(const Identification&) const = default;
};

// The sender's fields from the APL buffer. Under Numeric and Length a sender with neither number
// keeps blank fields.
Identification senderIdentification(const Record& apl, SenderRule rule);

// One record line under construction: blanks with the type in position 250.
class RecordLine {
 public:
  explicit RecordLine(char type);

  // Text: cut or blank padded to the field.
  RecordLine& text(std::string_view code, std::string_view value);
  // A number with leading zeros over the whole field.
  RecordLine& number(std::string_view code, std::int64_t value);
  // Sign ('-', or `nonNegative` for zero and above) and 14 digits of hundredths.
  RecordLine& amount(std::string_view code, const Decimal& value, char nonNegative);
  // DDMMYYYY.
  RecordLine& date(std::string_view code, Date value);

  const std::string& line() const { return line_; }

 private:
  const RecordField& field(std::string_view code) const;
  char* at(const RecordField& f) { return line_.data() + f.position - 1; }

  const RecordLayout& layout_;
  std::string line_;
};

// The sign character of zero and positive amounts for rows of this origin.
constexpr char nonNegativeSign(RowOrigin origin) {
  return origin == RowOrigin::MonthlyData ? '0' : '+';
}

// RS3RBSU and RS7RBSU: characters 4-7 of the form identifier; when the 7th is blank (an obligor
// that is a natural person) "0" followed by characters 4-6.
std::string formIdentifierField(std::string_view identifier);

// Why a finished line must not go into a file: it is not exactly kRecordWidth bytes, its last
// byte is no record type, or a field holds a control byte (a TAB or a line end would shift or
// split the line). Names the record type and the field; nothing for a sound line.
std::optional<std::string> recordLineError(std::string_view line);

// Type 0 from the APL buffer.
std::string senderRecord(const Record& apl, const Identification& sender, Date sent);

// The period of the form as the sending window holds it.
struct FormPeriod {
  int year = 0;
  int month = 0;
  int paymentYear = 0;
  int paymentMonth = 0;
};

// Type 3 from the A buffer.
std::string formHeaderRecord(const Record& pageA, const FormPeriod& period, RowOrigin origin);
// Type 5 from an OSI buffer, with the person's ordinal within the form.
std::string rowRecord(const Record& row, int ordinal, RowOrigin origin);
// Type 7 from the A buffer with the number of type 5 records of the form.
std::string formClosingRecord(const Record& pageA, int rows, Date sent, RowOrigin origin);
// Type 9 with the number of forms (type 3 records) in the file.
std::string fileClosingRecord(const Identification& sender, Date sent, int forms);

}  // namespace obrazac::submission
