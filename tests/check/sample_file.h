// A working folder with the sample installation's code lists, control table and rates, and a
// submission file that passes the formal control, built record by record so a test can damage
// one field: the sender, one form of a legal person (kind 01, payment 01, November 2025) with
// two persons, its closing record and the file's closing record.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/sample_installation.h"
#include "data/codepage.h"
#include "data/context.h"
#include "submission/records.h"
#include "support/temp_dir.h"

namespace obrazac::testing {

// The sample installation, built once per test program and copied for each test.
inline const std::filesystem::path& sampleInstallation() {
  static TempDir folder;
  static const bool built = [] {
    Context ctx(folder.path());
    const auto summary =
        buildSampleInstallation(ctx, std::filesystem::path(OBRAZAC_DATA_DIR) / "opcine.csv");
    EXPECT_TRUE(summary.ok()) << summary.error;
    return true;
  }();
  (void)built;
  return folder.path();
}

inline void copySampleInstallation(const std::filesystem::path& to) {
  namespace fs = std::filesystem;
  for (const auto& e : fs::directory_iterator(sampleInstallation()))
    if (e.path().filename() != ".locks")
      fs::copy(e.path(), to / e.path().filename(),
               fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

// Sets one field of a record line (Windows-1250 text, cut or padded to the field).
inline void setField(std::string& line, std::string_view code, std::string_view value) {
  const auto* f = submission::fieldByCode(code);
  ASSERT_NE(f, nullptr) << code;
  line.replace(static_cast<std::size_t>(f->position - 1), static_cast<std::size_t>(f->width),
               std::string(value.substr(0, static_cast<std::size_t>(f->width))) +
                   std::string(static_cast<std::size_t>(f->width) -
                                   std::min(value.size(), static_cast<std::size_t>(f->width)),
                               ' '));
}

struct SampleRow {
  std::string jmbg;
  std::string name;
  std::string gross = "1000.00";  // IV.7 = IV.8; IV.9 15 %, IV.10 5 %, IV.11 the rest
};

inline const std::string& obligorMB() {
  static const std::string mb = sampleMB(1234567) + "0000";
  return mb;
}

inline std::string senderLine() {
  return submission::RecordLine('0')
      .text("RS0MBOO", sampleMB(3456789) + "0000")
      .text("RS0MBGO", "0000000000000")
      .text("RS0NAOB", "PRIMJER servis")
      .text("RS0ADOB", "Primjerna 1")
      .text("RS0OSOB", "Ana")
      .date("RS0DTMN", Date::fromParts(12, 15, 2025))
      .text("RS0OFOR", "RM500")
      .line();
}

inline std::string rowLine(int ordinal, const SampleRow& r) {
  const Decimal gross = *Decimal::parse(r.gross);
  const Decimal first = (gross * Decimal(15) / Decimal(100)).roundTo(2);
  const Decimal second = (gross * Decimal(5) / Decimal(100)).roundTo(2);
  return submission::RecordLine('5')
      .number("RS5RBRO", ordinal)
      .text("RS5MBGO", r.jmbg)
      .text("RS5IMPR", cp1250(r.name))
      .text("RS5GROP", "1333")
      .text("RS5OSOB", "01 ")
      .text("RS5RAZD", "0130")
      .amount("RS5IBRT", gross, '0')
      .amount("RS5IOSN", gross, '0')
      .amount("RS5IST1", first, '0')
      .amount("RS5IST2", second, '0')
      .amount("RS5INET", gross - first - second, '0')
      .line();
}

// One form: its header with the totals of its rows, the rows and the closing record.
inline std::vector<std::string> formLines(const std::vector<SampleRow>& rows,
                                          std::string_view identifier = "0001") {
  std::vector<std::string> lines;
  Decimal totals[5];
  for (std::size_t i = 0; i < rows.size(); ++i) {
    lines.push_back(rowLine(static_cast<int>(i + 1), rows[i]));
    const Decimal gross = *Decimal::parse(rows[i].gross);
    const Decimal first = (gross * Decimal(15) / Decimal(100)).roundTo(2);
    const Decimal second = (gross * Decimal(5) / Decimal(100)).roundTo(2);
    const Decimal amounts[5] = {gross, gross, first, second, gross - first - second};
    for (int k = 0; k < 5; ++k) totals[k] += amounts[k];
  }
  const std::string header = submission::RecordLine('3')
                                 .text("RS3MBOO", obligorMB())
                                 .text("RS3MBGO", "0000000000000")
                                 .text("RS3RBSU", identifier)
                                 .text("RS3NAOB", cp1250("PRIMJER d.o.o. Čakovec"))
                                 .text("RS3ADOB", "Ilica 1")
                                 .text("RS3VROB", "01")
                                 .text("RS3MMGG", "112025")
                                 .text("RS3VROI", "01")
                                 .number("RS3BROS", static_cast<std::int64_t>(rows.size()))
                                 .amount("RS3IBRT", totals[0], '0')
                                 .amount("RS3IOSN", totals[1], '0')
                                 .amount("RS3IST1", totals[2], '0')
                                 .amount("RS3IST2", totals[3], '0')
                                 .amount("RS3INET", totals[4], '0')
                                 .text("RS3IGMM", "202512")
                                 .line();
  lines.insert(lines.begin(), header);
  lines.push_back(submission::RecordLine('7')
                      .text("RS7MBOO", obligorMB())
                      .text("RS7MBGO", "0000000000000")
                      .text("RS7RBSU", identifier)
                      .number("RS7BRSL", static_cast<std::int64_t>(rows.size()))
                      .date("RS7DTRS", Date::fromParts(12, 15, 2025))
                      .line());
  return lines;
}

inline std::string fileClosingLine(int forms) {
  return submission::RecordLine('9')
      .text("RS9MBOO", sampleMB(3456789) + "0000")
      .text("RS9MBGO", "0000000000000")
      .date("RS9DTMN", Date::fromParts(12, 15, 2025))
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
