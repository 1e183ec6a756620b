#include "submission/takeover_run.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "codelists/municipality_list.h"
#include "form/page_a.h"
#include "submission/control_number.h"
#include "submission/record_format.h"
#include "support/register_fixture.h"

namespace obrazac::submission {
namespace {

namespace fs = std::filesystem;
using testing::fieldOf;
using testing::readFile;
using testing::RegisterFixture;

// An amount of the payment file: sign and 14 digits of hundredths.
std::string amount(long long cents) {
  char text[32];
  std::snprintf(text, sizeof text, "%c%014lld", cents < 0 ? '-' : '+', cents < 0 ? -cents : cents);
  return text;
}

// One 194-character payment line, by default a full-month salary in November 2025 of the
// sample's legal person (obligor 1).
struct PaymentLine {
  std::string mb = sampleMB(1234567) + "0000";
  std::string mb2 = "0000000000000";
  std::string type = "01";
  std::string year = "2025", month = "11", from = "01", to = "30";
  std::string jmbg = sampleJmbg(2, 5, 1980, 33, 11);
  std::string name = "HORVAT MARKO";
  std::string municipality = "1333";
  std::string member = "D";
  std::string base = "01";
  std::string increased = " ";
  // IV.7 to IV.11: gross, base, pillar I at 15 %, pillar II at 5 %, net.
  std::string amounts[5] = {amount(185000), amount(185000), amount(27750), amount(9250),
                            amount(125800)};

  std::string text() const {
    std::string line = "00001" + mb + mb2 + "01" + type + "5001" + year + month + from + to + jmbg +
                       padRight(cp1250FromUtf8(name), 50) + municipality + member + base +
                       increased;
    for (const auto& a : amounts) line += a;
    EXPECT_EQ(line.size(), 194u) << line;
    return line;
  }
};

std::vector<std::string> linesOf(const fs::path& file) {
  const std::string bytes = readFile(file);
  std::vector<std::string> all;
  for (std::size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
    all.push_back(bytes.substr(at, end - at));
  return all;
}

std::string cut(const std::string& line, std::string_view code) {
  return std::string(fieldByCode(code)->cut(line));
}

struct Finding {
  std::string jmbg, text;
  bool operator==(const Finding&) const = default;
};

void PrintTo(const Finding& f, std::ostream* os) {
  *os << "{" << f.jmbg << ", " << f.text << "}";
}

class TakeoverRun : public ::testing::Test, protected RegisterFixture {
 protected:
  void SetUp() override {
    const auto sample = buildSampleInstallation(ctx, findMunicipalityList());
    ASSERT_TRUE(sample.ok()) << sample.error;
  }

  // The header of November 2025, days 1-30, payment type "01", form 1 of obligor 1.
  TakeoverHeader takeoverHeader(int obligor = 1) {
    TakeoverHeader t;
    form::SendingHeader& h = t.form;
    h.employer = obligor;
    EXPECT_EQ(form::chooseEmployer(ctx, h), 0);
    h.paymentType = "01";
    h.year = h.paymentYear = "2025";
    h.month = "11";
    h.paymentMonth = "12";
    h.firstDay = "1";
    h.lastDay = "30";
    h.formNumber = "1";
    h.sendingDate = Date::fromParts(12, 15, 2025);
    h.method = form::SendingMethod::Single;
    t.inputFile = (dir / "ulaz" / "place.txt").string();
    return t;
  }

  void writeInput(const std::vector<PaymentLine>& lines) {
    std::string bytes;
    for (const auto& l : lines) bytes += l.text() + "\r\n";
    testing::writeFile(dir / "ulaz" / "place.txt", bytes);
  }

  TakeoverOutcome take(TakeoverHeader& h) { return runTakeover(ctx, h, reporter); }
  TakeoverOutcome take(const std::vector<PaymentLine>& lines) {
    writeInput(lines);
    auto h = takeoverHeader();
    return take(h);
  }

  std::vector<Finding> findings() {
    Context other(dir.path());
    Table& t = other.table("GRE");
    std::vector<Finding> all;
    EXPECT_EQ(t.open(AccessMode::ReadOnly), 0);
    EXPECT_EQ(t.set("KEYREDBROJ"), 0);
    while (t.next() == 0) all.push_back({fieldOf(t.record(), "JMBG"), fieldOf(t.record(), "OPIS")});
    return all;
  }

  // The page B rows of the form, each as JMBG and IV.7.
  std::vector<std::pair<std::string, std::string>> pageBRows(std::string_view link = "001500101") {
    Context other(dir.path());
    Table& t = other.table("OSI");
    std::vector<std::pair<std::string, std::string>> rows;
    EXPECT_EQ(t.open(AccessMode::ReadOnly), 0);
    t.set("KEYOBRGODMJE");
    while (t.next() == 0)
      if (fieldOf(t.record(), "KONVEZA") == link)
        rows.emplace_back(fieldOf(t.record(), "JMBG"),
                          t.record().decimal(t.record().index("IZNOS7")).toString(2));
    return rows;
  }

  fs::path output() const { return dir / "izlaz" / "F0015001.TXT"; }

  RecordingReporter reporter;
};

TEST_F(TakeoverRun, AValidFileGivesTheFormAndItsFileWithPlusSigns) {
  PaymentLine second;
  second.jmbg = sampleJmbg(17, 9, 1985, 33, 512);
  second.name = "KOVAČEVIĆ ANA";
  second.to = "15";
  second.amounts[0] = second.amounts[1] = amount(90000);
  second.amounts[2] = amount(13500);
  second.amounts[3] = amount(4500);
  second.amounts[4] = amount(61200);
  const auto out = take({PaymentLine{}, second});

  ASSERT_EQ(out.sending.result, RunResult::Succeeded)
      << ::testing::PrintToString(reporter.messages);
  EXPECT_EQ(out.summary.read, 2);
  EXPECT_EQ(out.summary.taken, 2);
  EXPECT_EQ(out.summary.withMessage, 0);
  EXPECT_EQ(out.summary.note, "");
  EXPECT_EQ(out.summary.employerMB, sampleMB(1234567));
  EXPECT_TRUE(findings().empty());

  const auto file = linesOf(output());
  ASSERT_EQ(file.size(), 6u);
  std::string types;
  for (const auto& l : file) types += l.back();
  EXPECT_EQ(types, "035579");
  for (const int i : {2, 3})
    for (const char* code : {"RS5IBRT", "RS5IOSN", "RS5IST1", "RS5IST2", "RS5INET"})
      EXPECT_EQ(cut(file[i], code)[0], '+') << code;
  EXPECT_EQ(cut(file[1], "RS3IBRT"), amount(275000));
  EXPECT_EQ(cut(file[1], "RS3MMGG"), "112025");
  EXPECT_EQ(utf8FromCp1250(clipRight(cut(file[3], "RS5IMPR"))), "KOVAČEVIĆ ANA");

  const auto number = controlNumberOfFile(output());
  EXPECT_EQ(out.sending.controlNumber, number.digits);
  EXPECT_EQ(fieldOf(pageA("001500101"), "KONZNAK"), groupedControlNumber(number.digits));
  EXPECT_NE(std::find(reporter.statuses.begin(), reporter.statuses.end(),
                      "Pročitano=    2 Preuzeto=    2"),
            reporter.statuses.end());
  EXPECT_EQ(reporter.statuses.back(), "OBVEZNIK JE USPJEŠNO OBRAĐEN-" + output().string());
}

// Lines of other employers are no error of the run, but a form without lines is not filed. The
// form's old page B rows are gone; page A and its file stay those of the earlier run.
TEST_F(TakeoverRun, AFileOfAnotherEmployerTakesNothingAndStops) {
  ASSERT_EQ(take({PaymentLine{}}).sending.result, RunResult::Succeeded);
  const std::string before = readFile(output());
  const std::string hash = fieldOf(pageA("001500101"), "KONZNAK");
  ASSERT_EQ(pageBRows().size(), 1u);

  PaymentLine other;
  other.mb = sampleMB(7654321) + "0000";
  const auto out = take({other, other, other});
  EXPECT_EQ(out.sending.result, RunResult::Failed);
  EXPECT_EQ(out.focus, form::HeaderField::Year);
  EXPECT_EQ(out.summary.read, 3);
  EXPECT_EQ(out.summary.taken, 0);
  EXPECT_EQ(out.summary.withMessage, 3);
  EXPECT_EQ(out.summary.note, kTakeoverNote);
  EXPECT_EQ(findings(), std::vector<Finding>(3, {other.jmbg, "Redak nije preuzet."}));
  const auto& s = reporter.statuses;
  ASSERT_GE(s.size(), 2u);
  EXPECT_EQ(s[s.size() - 2], "Pročitano=    3 Preuzeto=    0");
  EXPECT_EQ(s.back(), "Obrada je prekinuta, provjerite popis grešaka i upozorenja.");

  EXPECT_TRUE(pageBRows().empty());
  EXPECT_EQ(fieldOf(pageA("001500101"), "KONZNAK"), hash);
  EXPECT_EQ(readFile(output()), before);
}

// A file that cannot be read is refused before anything is touched.
TEST_F(TakeoverRun, AMissingInputFileOrAFolderIsRefused) {
  for (const fs::path& input : {dir / "ulaz" / "nema.txt", dir / "ulaz"}) {
    auto h = takeoverHeader();
    h.inputFile = input.string();
    const auto out = take(h);
    EXPECT_EQ(out.sending.result, RunResult::Failed);
    EXPECT_EQ(out.focus, form::HeaderField::InputFile);
    EXPECT_FALSE(out.summary.shown);
    EXPECT_EQ(reporter.messages.back(), "Greška kod preuzimanja podataka " + input.string());
  }
  EXPECT_FALSE(fs::exists(output()));
}

// Taken-over data name their output file in the message of a failed copy; the run fails as the
// sending does, so page A keeps no control number of a file that does not exist.
TEST_F(TakeoverRun, AFailedCopyNamesTheOutputFile) {
  fs::remove_all(dir / "izlaz");
  testing::writeFile(dir / "izlaz", "a file where the folder should be");
  const auto out = take({PaymentLine{}});
  EXPECT_EQ(out.sending.result, RunResult::Failed);
  ASSERT_EQ(reporter.messages.size(), 1u);
  const std::string prefix = "Greška, file: " + output().string() + " Error=";
  EXPECT_EQ(reporter.messages[0].rfind(prefix, 0), 0u) << reporter.messages[0];
  EXPECT_EQ(reporter.statuses.back(), reporter.messages[0]);
  EXPECT_EQ(fieldOf(pageA("001500101"), "KONZNAK"), form::kControlNumberPlaceholder);
}

}  // namespace
}  // namespace obrazac::submission
