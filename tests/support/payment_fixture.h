// Payment input lines for the tests of the input check and the takeover: a line builder whose
// defaults make a line of the sample installation's first obligor that passes every check, and a
// working folder holding the sample installation (code lists, control table, rates), built once
// per test program and copied for each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "codelists/municipality_list.h"
#include "data/codepage.h"
#include "data/context.h"
#include "data/decimal.h"
#include "data/fixed_width.h"
#include "sample/sample_installation.h"
#include "support/temp_dir.h"

namespace obrazac::testing {

// An amount in the notation of the text files: a sign place, then 14 digits of hundredths.
inline std::string amountField(std::string_view value) {
  const Decimal d = *Decimal::parse(value);
  const auto units = d.toUnits(2);
  char text[32];
  std::snprintf(text, sizeof text, "%c%014lld", units < 0 ? '-' : '+',
                static_cast<long long>(units < 0 ? -units : units));
  return text;
}

// One line of a payment input file; every field is given as text and laid out at its columns.
struct TestLine {
  std::string rbosob = "00001";
  std::string mb = sampleMB(1234567) + "0000";  // the sample's obligor 1, a legal person
  std::string mb2 = "0000000000000";
  std::string vrsobv = "01";
  std::string voi = "01";
  std::string identifikator = "0001";
  std::string year = "2025";
  std::string month = "11";
  std::string from = "01";
  std::string to = "30";
  std::string jmbg = sampleJmbg(2, 5, 1980, 33, 11);
  std::string name = "HORVAT MARKO";  // UTF-8
  std::string opcina = "1333";
  std::string member = "D";
  std::string oo = "01";
  std::string b = " ";
  // Items 7 to 11 as written in the line: a member's 1850.00 with 15 % and 5 % contributions.
  std::string iv7 = amountField("1850.00");
  std::string iv8 = amountField("1850.00");
  std::string iv9 = amountField("277.50");
  std::string iv10 = amountField("92.50");
  std::string iv11 = amountField("1258.00");

  // The line as Windows-1250 text of 194 characters.
  std::string text() const {
    std::string line;
    for (const auto& [value, width] : std::initializer_list<std::pair<std::string, int>>{
             {rbosob, 5}, {mb, 12},    {mb2, 13}, {vrsobv, 2}, {voi, 2},   {identifikator, 4},
             {year, 4},   {month, 2},  {from, 2}, {to, 2},     {jmbg, 13}, {cp1250(name), 50},
             {opcina, 4}, {member, 1}, {oo, 2},   {b, 1},      {iv7, 15},  {iv8, 15},
             {iv9, 15},   {iv10, 15},  {iv11, 15}})
      line += padRight(value, static_cast<std::size_t>(width));
    return line;
  }
};

// Lines joined into a file's bytes, each ended by CR LF.
inline std::string paymentFile(const std::vector<TestLine>& lines) {
  std::string bytes;
  for (const auto& l : lines) bytes += l.text() + "\r\n";
  return bytes;
}

// A working folder with the sample installation.
class SampleFolder {
 public:
  SampleFolder() : ctx(dir.path()) {
    std::filesystem::copy(templateFolder(), dir.path(),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
  }

  TempDir dir;
  Context ctx;

  // A payment file written into the folder's input subfolder.
  std::filesystem::path writeInput(const std::string& bytes,
                                   const std::string& name = "place.txt") {
    const auto path = dir.path() / "ulaz" / name;
    writeFile(path, bytes);
    return path;
  }

  // The sample installation, built once per test program; copies of it are the folders.
  static const std::filesystem::path& templateFolder() {
    static TempDir folder;
    static const bool built = [] {
      Context c(folder.path());
      const auto summary =
          buildSampleInstallation(c, std::filesystem::path(OBRAZAC_DATA_DIR) / "opcine.csv");
      EXPECT_TRUE(summary.status.ok()) << summary.status.text();
      c.closeAll();
      return summary.status.ok();
    }();
    (void)built;
    return folder.path();
  }
};

}  // namespace obrazac::testing
