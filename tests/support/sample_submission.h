// A submission file that passes the formal control against the sample installation, built
// record by record: the sample's bookkeeping service sends, its first obligor (a legal person of
// kind 01) reports payment kind 01 for November 2025. Used by the tests, the benchmark and the
// fuzz target of the formal control.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sample/sample_installation.h"
#include "data/codepage.h"
#include "data/date.h"
#include "data/decimal.h"
#include "submission/records.h"

namespace obrazac::testing {

inline Date sampleSendingDate() {
  return Date::fromParts(12, 15, 2025);
}

inline const std::string& senderMB() {
  static const std::string mb = sampleMB(3456789) + "0000";
  return mb;
}

inline const std::string& obligorMB() {
  static const std::string mb = sampleMB(1234567) + "0000";
  return mb;
}

// Items IV.7 to IV.11 of a row: the gross as pay and base, 15 % to pillar I, 5 % to pillar II
// and the rest paid out. Added up they are the totals III.1 to III.5 of a form.
struct RowAmounts {
  std::array<Decimal, 5> items{};

  static RowAmounts ofGross(const Decimal& gross) {
    const Decimal first = (gross * Decimal(15) / Decimal(100)).roundTo(2);
    const Decimal second = (gross * Decimal(5) / Decimal(100)).roundTo(2);
    return {{gross, gross, first, second, gross - first - second}};
  }
  RowAmounts& operator+=(const RowAmounts& other) {
    for (std::size_t k = 0; k < items.size(); ++k) items[k] += other.items[k];
    return *this;
  }
};

struct SampleRow {
  std::string jmbg;
  std::string name;               // UTF-8
  std::string gross = "1000.00";  // IV.7 = IV.8; IV.9 15 %, IV.10 5 %, IV.11 the rest
};

inline std::string senderLine() {
  return submission::RecordLine('0')
      .text("RS0MBOO", senderMB())
      .text("RS0MBGO", "0000000000000")
      .text("RS0NAOB", "PRIMJER servis")
      .text("RS0ADOB", "Primjerna 1")
      .text("RS0OSOB", "Ana")
      .date("RS0DTMN", sampleSendingDate())
      .text("RS0OFOR", "RM500")
      .line();
}

inline std::string rowLine(std::int64_t ordinal, const SampleRow& r) {
  const auto& a = RowAmounts::ofGross(*Decimal::parse(r.gross)).items;
  return submission::RecordLine('5')
      .number("RS5RBRO", ordinal)
      .text("RS5MBGO", r.jmbg)
      .text("RS5IMPR", cp1250(r.name))
      .text("RS5GROP", "1333")
      .text("RS5OSOB", "01 ")
      .text("RS5RAZD", "0130")
      .amount("RS5IBRT", a[0], '0')
      .amount("RS5IOSN", a[1], '0')
      .amount("RS5IST1", a[2], '0')
      .amount("RS5IST2", a[3], '0')
      .amount("RS5INET", a[4], '0')
      .line();
}

// The header of a form of `rows` rows whose amounts add up to `totals`.
inline std::string formHeaderLine(std::string_view identifier, std::int64_t rows,
                                  const RowAmounts& totals) {
  const auto& t = totals.items;
  return submission::RecordLine('3')
      .text("RS3MBOO", obligorMB())
      .text("RS3MBGO", "0000000000000")
      .text("RS3RBSU", identifier)
      .text("RS3NAOB", cp1250("PRIMJER d.o.o. Čakovec"))
      .text("RS3ADOB", "Ilica 1")
      .text("RS3VROB", "01")
      .text("RS3MMGG", "112025")
      .text("RS3VROI", "01")
      .number("RS3BROS", rows)
      .amount("RS3IBRT", t[0], '0')
      .amount("RS3IOSN", t[1], '0')
      .amount("RS3IST1", t[2], '0')
      .amount("RS3IST2", t[3], '0')
      .amount("RS3INET", t[4], '0')
      .text("RS3IGMM", "202512")
      .line();
}

inline std::string formClosingLine(std::string_view identifier, std::int64_t rows) {
  return submission::RecordLine('7')
      .text("RS7MBOO", obligorMB())
      .text("RS7MBGO", "0000000000000")
      .text("RS7RBSU", identifier)
      .number("RS7BRSL", rows)
      .date("RS7DTRS", sampleSendingDate())
      .line();
}

// One form: its header with the totals of its rows, the rows and the closing record.
inline std::vector<std::string> formLines(const std::vector<SampleRow>& rows,
                                          std::string_view identifier = "0001") {
  std::vector<std::string> lines = {""};
  RowAmounts totals;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    lines.push_back(rowLine(static_cast<std::int64_t>(i + 1), rows[i]));
    totals += RowAmounts::ofGross(*Decimal::parse(rows[i].gross));
  }
  const auto count = static_cast<std::int64_t>(rows.size());
  lines.front() = formHeaderLine(identifier, count, totals);
  lines.push_back(formClosingLine(identifier, count));
  return lines;
}

inline std::string fileClosingLine(std::int64_t forms) {
  return submission::RecordLine('9')
      .text("RS9MBOO", senderMB())
      .text("RS9MBGO", "0000000000000")
      .date("RS9DTMN", sampleSendingDate())
      .number("RS9BROJ", forms)
      .line();
}

inline const std::string& personA() {
  static const std::string jmbg = sampleJmbg(2, 5, 1980, 33, 11);
  return jmbg;
}
inline const std::string& personB() {
  static const std::string jmbg = sampleJmbg(17, 9, 1985, 33, 512);
  return jmbg;
}

// Lines 1-6: sender, form header, two rows (persons A and B), form closing, file closing.
inline std::vector<std::string> validFile() {
  std::vector<std::string> lines = {senderLine()};
  for (auto& l : formLines({{personA(), "HORVAT MARKO"}, {personB(), "KOVAČEVIĆ ANA"}}))
    lines.push_back(l);
  lines.push_back(fileClosingLine(1));
  return lines;
}

inline std::string joined(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& l : lines) bytes += l + "\r\n";
  return bytes;
}

}  // namespace obrazac::testing
