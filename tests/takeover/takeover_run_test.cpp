#include "takeover/takeover_run.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/record_format.h"
#include "form/page_a.h"
#include "submission/control_number.h"
#include "support/parameter_record.h"
#include "support/payment_fixture.h"
#include "support/register_fixture.h"

namespace obrazac::submission {
namespace {

namespace fs = std::filesystem;
using testing::amountField;
using testing::fieldOf;
using testing::readFile;
using testing::TestLine;

const FixedClock kClock(Date::fromParts(12, 15, 2025));

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

// The sample installation with its output folder inside the test's working folder.
class TakeoverRun : public ::testing::Test, protected testing::SampleFolder {
 protected:
  void SetUp() override {
    testing::setParameter(ctx, "IZLAZDIR", "izlaz/");
    ctx.table("APL").close();
  }

  // The header of November 2025, days 1-30, payment type "01", form 1 of obligor 1.
  TakeoverHeader header(int obligor = 1) {
    TakeoverHeader t;
    t.form = sampleMonthHeader(obligor);
    EXPECT_TRUE(form::chooseEmployer(ctx, t.form).ok());
    t.form.formNumber = "1";  // every take forms the same form, whatever the obligor's last one
    t.inputFile = (dir / "ulaz" / "place.txt").string();
    return t;
  }

  TakeoverOutcome take(TakeoverHeader& h) { return runTakeover(ctx, h, kClock, reporter); }
  TakeoverOutcome take(const std::vector<TestLine>& lines) {
    writeInput(testing::paymentFile(lines));
    auto h = header();
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

  // The page B rows of the form: JMBG and IV.7 of each.
  std::vector<std::pair<std::string, std::string>> pageBRows() {
    Context other(dir.path());
    Table& t = other.table("OSI");
    std::vector<std::pair<std::string, std::string>> rows;
    EXPECT_EQ(t.open(AccessMode::ReadOnly), 0);
    t.set("KEYOBRGODMJE");
    while (t.next() == 0)
      if (fieldOf(t.record(), "KONVEZA") == "001500101")
        rows.emplace_back(fieldOf(t.record(), "JMBG"),
                          t.record().decimal(t.record().index("IZNOS7")).toString(2));
    return rows;
  }

  Record pageA() {
    Context other(dir.path());
    Table& t = other.table("A");
    EXPECT_EQ(t.open(AccessMode::ReadOnly), 0);
    t.record().setText(t.record().index("KONVEZA"), "001500101");
    EXPECT_EQ(t.get("KEYIDENTIKATOR"), 0);
    return t.record();
  }

  bool statusShown(std::string_view text) const {
    return std::find(reporter.statuses.begin(), reporter.statuses.end(), text) !=
           reporter.statuses.end();
  }

  fs::path output() const { return dir / "izlaz" / "F0015001.TXT"; }

  RecordingReporter reporter;
};

// A second person of the sample: half a month at 900.00.
TestLine anaHalfMonth() {
  TestLine l;
  l.jmbg = sampleJmbg(17, 9, 1985, 33, 512);
  l.name = "KOVAČEVIĆ ANA";
  l.to = "15";
  l.iv7 = l.iv8 = amountField("900.00");
  l.iv9 = amountField("135.00");
  l.iv10 = amountField("45.00");
  l.iv11 = amountField("612.00");
  return l;
}

TEST_F(TakeoverRun, AValidFileGivesTheFormAndItsFileWithPlusSigns) {
  const auto out = take({TestLine{}, anaHalfMonth()});

  ASSERT_TRUE(out.sending.status.ok()) << ::testing::PrintToString(reporter.messages);
  const TakeoverSummary& sum = out.summary;
  EXPECT_TRUE(sum.shown);
  EXPECT_EQ(std::tie(sum.read, sum.taken, sum.withMessage), std::make_tuple(2, 2, 0));
  EXPECT_EQ(sum.note, "");
  EXPECT_EQ(sum.employerMB, sampleMB(1234567));
  EXPECT_TRUE(findings().empty());
  EXPECT_TRUE(statusShown("Pročitano=    2 Preuzeto=    2"));

  const auto file = linesOf(output());
  ASSERT_EQ(file.size(), 6u);
  std::string types;
  for (const auto& l : file) types += l.back();
  EXPECT_EQ(types, "035579");
  for (const int i : {2, 3})
    for (const char* code : {"RS5IBRT", "RS5IOSN", "RS5IST1", "RS5IST2", "RS5INET"})
      EXPECT_EQ(cut(file[i], code)[0], '+') << code;
  EXPECT_EQ(cut(file[1], "RS3IBRT"), amountField("2750.00"));
  EXPECT_EQ(cut(file[1], "RS3MMGG"), "112025");
  EXPECT_EQ(utf8FromCp1250(clipRight(cut(file[3], "RS5IMPR"))), "KOVAČEVIĆ ANA");

  const auto number = controlNumberOfFile(output());
  EXPECT_EQ(out.sending.controlNumber, number.digits);
  EXPECT_EQ(fieldOf(pageA(), "KONZNAK"), groupedControlNumber(number.digits));
  EXPECT_EQ(reporter.statuses.back(), "OBVEZNIK JE USPJEŠNO OBRAĐEN-" + output().string());
}

// One bad line stops the run, but only after every line was read and reported. The form's page B,
// page A and its file stay those of the earlier run.
TEST_F(TakeoverRun, ALineWithAnErrorStopsTheRunAfterReadingAll) {
  ASSERT_TRUE(take({TestLine{}}).sending.status.ok());
  const std::string before = readFile(output());
  const std::string hash = fieldOf(pageA(), "KONZNAK");
  const auto rows = pageBRows();

  TestLine bad = anaHalfMonth();
  bad.jmbg = "1709985335129";  // wrong check digit
  TestLine other;
  other.mb = sampleMB(7654321) + "0000";
  const auto out = take({bad, TestLine{}, other});

  EXPECT_FALSE(out.sending.status.ok());
  EXPECT_EQ(out.focus, form::HeaderField::Year);
  const TakeoverSummary& sum = out.summary;
  EXPECT_EQ(std::tie(sum.read, sum.taken, sum.withMessage), std::make_tuple(3, 1, 2));
  EXPECT_EQ(sum.note, kTakeoverNote);
  EXPECT_EQ(findings(), (std::vector<Finding>{{bad.jmbg, "Pogrešan JMBG"},
                                              {other.jmbg, "Redak nije preuzet."}}));
  EXPECT_TRUE(statusShown("Pročitano=    3 Preuzeto=    1"));
  EXPECT_EQ(reporter.statuses.back(),
            "Obrada je prekinuta, provjerite popis grešaka i upozorenja.");

  EXPECT_EQ(pageBRows(), rows);
  EXPECT_EQ(fieldOf(pageA(), "KONZNAK"), hash);
  EXPECT_EQ(readFile(output()), before);
}

// What the reading would drop without a word gives no file: a file of CR line ends is refused
// before anything changes; a line of the form that is too long, or hidden behind a Ctrl-Z, is a
// finding of its line.
TEST_F(TakeoverRun, InputThatDoesNotFitGivesNoFile) {
  ASSERT_TRUE(take({TestLine{}}).sending.status.ok());
  const std::string before = readFile(output());
  const std::string line = TestLine{}.text();
  const TestLine ana = anaHalfMonth();

  writeInput(line + "\r" + ana.text() + "\r");
  auto h = header();
  auto out = take(h);
  EXPECT_FALSE(out.sending.status.ok());
  EXPECT_EQ(out.focus, form::HeaderField::InputFile);
  EXPECT_FALSE(out.summary.shown);
  EXPECT_EQ(reporter.messages.back(),
            "Ulazna datoteka nema krajeve redaka CR LF (redak 1 sadrži CR bez LF); podaci nisu "
            "preuzeti");
  EXPECT_EQ(pageBRows().size(), 1u);

  const std::pair<std::string, const char*> cases[] = {
      {line + "\r\n\x1A" + ana.text() + "\r\n",
       "Redak 2 stoji iza oznake kraja datoteke (Ctrl-Z) i nije pročitan"},
      {line + "\r\n" + ana.text() + "XYZ\r\n",
       "Redak 2 je dulji od 194 znaka (duljina 197); višak nije pročitan"},
  };
  for (const auto& [bytes, finding] : cases) {
    writeInput(bytes);
    h = header();
    out = take(h);
    EXPECT_FALSE(out.sending.status.ok()) << finding;
    EXPECT_EQ(out.summary.withMessage, 1) << finding;
    EXPECT_EQ(findings(), (std::vector<Finding>{{ana.jmbg, finding}}));
    EXPECT_EQ(readFile(output()), before) << finding;
  }
}

// A control byte in a line would reach the submission file raw: the line is refused with its
// field and the character named, and no form is filed.
TEST_F(TakeoverRun, AControlByteInALineRefusesItNamingTheField) {
  TestLine bad = anaHalfMonth();
  bad.name =
      "KOVAČEVIĆ\x01"
      " ANA";
  const auto out = take({TestLine{}, bad});

  EXPECT_FALSE(out.sending.status.ok());
  EXPECT_EQ(
      findings(),
      (std::vector<Finding>{{bad.jmbg, "Polje OSI1:PREZIME: nedopušten kontrolni znak (U+0001)"}}));
  EXPECT_FALSE(fs::exists(output()));
}

TEST_F(TakeoverRun, AFileOfAnotherEmployerTakesNothingAndStops) {
  ASSERT_TRUE(take({TestLine{}}).sending.status.ok());
  const std::string before = readFile(output());
  const auto rows = pageBRows();
  ASSERT_EQ(rows.size(), 1u);

  TestLine other;
  other.mb = sampleMB(7654321) + "0000";
  const auto out = take({other, other, other});
  EXPECT_FALSE(out.sending.status.ok());
  const TakeoverSummary& sum = out.summary;
  EXPECT_EQ(std::tie(sum.read, sum.taken, sum.withMessage), std::make_tuple(3, 0, 3));
  EXPECT_EQ(findings(), std::vector<Finding>(3, {other.jmbg, "Redak nije preuzet."}));
  EXPECT_TRUE(statusShown("Pročitano=    3 Preuzeto=    0"));
  EXPECT_EQ(reporter.statuses.back(),
            "Obrada je prekinuta, provjerite popis grešaka i upozorenja.");
  EXPECT_EQ(pageBRows(), rows);
  EXPECT_EQ(readFile(output()), before);
}

// Findings that do not mark the line leave it on the form: a membership other than D or N, a
// pillar I contribution 0.04 off. A difference of 0.03 is rounding and gives no finding.
TEST_F(TakeoverRun, WarningsKeepTheLineOnTheForm) {
  TestLine unknownMember = anaHalfMonth();
  unknownMember.member = "X";  // has no rates, so no contributions are expected either
  unknownMember.iv9 = unknownMember.iv10 = amountField("0");
  TestLine off4;
  off4.iv9 = amountField("277.54");
  TestLine off3 = anaHalfMonth();
  off3.jmbg = sampleJmbg(23, 1, 1962, 33, 25);
  off3.iv9 = amountField("135.03");
  const auto out = take({unknownMember, off4, off3});

  ASSERT_TRUE(out.sending.status.ok()) << ::testing::PrintToString(reporter.messages);
  const TakeoverSummary& sum = out.summary;
  // The contribution warning alone does not count the line as one with a message.
  EXPECT_EQ(std::tie(sum.read, sum.taken, sum.withMessage), std::make_tuple(3, 3, 1));
  EXPECT_EQ(sum.note, kTakeoverNote);
  EXPECT_EQ(findings(),
            (std::vector<Finding>{
                {unknownMember.jmbg, "Obvezno odredite da li je osoba član OMF ili nije"},
                {off4.jmbg,
                 "Upozorenje - razlika o obračunatom doprinosu I. stupa:     277.54  - "
                 "    277.50"}}));
  EXPECT_EQ(pageBRows().size(), 3u);
}

// A correction ("99") is not held against the control table: only the amount and code checks
// apply, so a negative amount is taken, read from its sign and 14 digits.
TEST_F(TakeoverRun, ACorrectionSkipsTheRangeChecksAndKeepsItsSign) {
  TestLine correction;
  correction.voi = "99";
  correction.iv7 = "-00000000012345";
  correction.iv8 = amountField("0");
  correction.member = "N";  // with a pillar II contribution, which only the range checks refuse
  writeInput(testing::paymentFile({correction}));
  auto h = header();
  h.form.paymentType = "99";
  const auto out = take(h);

  ASSERT_TRUE(out.sending.status.ok()) << ::testing::PrintToString(reporter.messages);
  EXPECT_TRUE(findings().empty());
  Context other(dir.path());
  Table& osi = other.table("OSI");
  ASSERT_EQ(osi.open(AccessMode::ReadOnly), 0);
  osi.set("KEYOBRGODMJE");
  ASSERT_EQ(osi.next(), 0);
  EXPECT_EQ(fieldOf(osi.record(), "KONVEZA"), "001500199");
  EXPECT_EQ(osi.record().decimal(osi.record().index("IZNOS7")).toString(2), "-123.45");

  const auto file = linesOf(dir / "izlaz" / "F0015001.TXT");
  ASSERT_EQ(file.size(), 5u);
  EXPECT_EQ(cut(file[2], "RS5IBRT"), "-00000000012345");
  EXPECT_EQ(cut(file[2], "RS5IOSN"), "+00000000000000");
}

// A file that cannot be read is refused before anything is touched.
TEST_F(TakeoverRun, AMissingInputFileOrAFolderIsRefused) {
  const std::pair<fs::path, const char*> inputs[] = {
      {dir / "ulaz" / "nema.txt", ": datoteka ne postoji"},
      {dir / "ulaz", ": to je mapa, a ne datoteka"}};
  for (const auto& [input, reason] : inputs) {
    auto h = header();
    h.inputFile = input.string();
    const auto out = take(h);
    EXPECT_FALSE(out.sending.status.ok());
    EXPECT_EQ(out.focus, form::HeaderField::InputFile);
    EXPECT_FALSE(out.summary.shown);
    EXPECT_EQ(reporter.messages.back(),
              "Greška kod preuzimanja podataka " + input.string() + reason);
  }
  EXPECT_FALSE(fs::exists(output()));
}

// An output folder that is not there stops the run before it reads a line or changes a table.
TEST_F(TakeoverRun, AMissingOutputFolderRefusesTheRunBeforeTheLines) {
  fs::remove_all(dir / "izlaz");
  testing::writeFile(dir / "izlaz", "a file where the folder should be");
  const auto out = take({TestLine{}});
  EXPECT_FALSE(out.sending.status.ok());
  EXPECT_FALSE(out.summary.shown);
  EXPECT_EQ(reporter.messages,
            (std::vector<std::string>{"Greška 3 (Path Not Found): izlazna mapa " +
                                      (dir / "izlaz").string() + " ne postoji"}));
  EXPECT_TRUE(pageBRows().empty());
}

}  // namespace
}  // namespace obrazac::submission
