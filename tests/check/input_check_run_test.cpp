#include "check/input_check_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "check/input_selection_checks.h"
#include "support/parameter_record.h"
#include "support/payment_fixture.h"
#include "support/table_dump.h"

namespace obrazac::check {
namespace {

using testing::amountField;
using testing::paymentFile;
using testing::TestLine;

const FixedClock kClock(Date::fromParts(12, 15, 2025));

class InputCheckRun : public ::testing::Test, protected testing::SampleFolder {
 protected:
  InputSelection selection(const std::filesystem::path& file) {
    return {1, "01", "2025", "11", 1, 30, file};
  }

  InputCheckOutcome run(const std::string& bytes) {
    return runInputCheck(ctx, kClock, selection(writeInput(bytes)), reporter);
  }

  // Every row of a table in insertion order, each as the display text of the named fields.
  std::vector<std::string> rows(const char* prefix, std::initializer_list<const char*> fields) {
    Context reader(dir.path());
    Table& t = reader.table(prefix);
    std::vector<std::string> out;
    if (t.open(AccessMode::ReadOnly) != 0) return out;
    t.setPhysical();
    while (t.next() == 0) {
      std::string line;
      for (const char* f : fields) line += (line.empty() ? "" : "|") + t.record().display(f);
      out.push_back(line);
    }
    return out;
  }

  std::map<std::string, std::map<std::string, std::vector<std::string>>> workTables() {
    std::map<std::string, std::map<std::string, std::vector<std::string>>> all;
    Context reader(dir.path());
    for (const char* prefix : {"OSI3", "OSI4", "GRE"})
      all[prefix] = testing::walkTable(reader.table(prefix));
    return all;
  }

  RecordingReporter reporter;
};

TestLine otherPerson(int serial) {
  TestLine l;
  l.jmbg = sampleJmbg(17, 9, 1985, 33, serial);
  l.name = "KOVAČEVIĆ ANA";
  return l;
}

TEST_F(InputCheckRun, SelectedLinesAreCheckedAndEveryLineIsKept) {
  TestLine good;
  TestLine wrongJmbg = otherPerson(512);
  wrongJmbg.jmbg.back() = wrongJmbg.jmbg.back() == '9' ? '0' : '9';
  TestLine secondPillarOff = otherPerson(600);
  secondPillarOff.iv10 = amountField("92.46");
  TestLine otherEmployer = otherPerson(700);
  otherEmployer.mb = sampleMB(7654321) + "0000";
  TestLine otherMonth = otherPerson(800);
  otherMonth.month = "10";

  const auto out = run(paymentFile({good, wrongJmbg, secondPillarOff, otherEmployer, otherMonth}));
  ASSERT_TRUE(out.status.ok()) << out.status.text();
  EXPECT_EQ(out.summary.linesRead, 5);
  EXPECT_EQ(out.summary.linesAccepted, 2);
  EXPECT_EQ(out.summary.linesWithErrors, 1);
  EXPECT_EQ(out.summary.employerMB, sampleMB(1234567));
  EXPECT_EQ(out.summary.employerMBG, "0000000000000");
  EXPECT_EQ(out.findings, 2);

  // Every line, with the chosen period and the line's own kind of payment.
  EXPECT_EQ(rows("OSI4", {"JMBG", "GODOBRA", "OBRMJE", "VRSUPL", "IZNOS10"}).size(), 5u);
  EXPECT_EQ(rows("OSI4", {"PREZIME", "OBRMJE", "IZNOS10"})[3], "KOVAČEVIĆ ANA|11|92.50");
  // The accepted lines: the good one and the one with only a II. pillar warning.
  EXPECT_EQ(
      rows("OSI3", {"JMBG", "GODOBRA", "OBRMJE", "OBRRAZD1", "OBRRAZD2", "VRSUPL", "IZNOS10"}),
      (std::vector<std::string>{good.jmbg + "|2025|11|1|30|01|92.5000",
                                secondPillarOff.jmbg + "|2025|11|1|30|01|92.4600"}));
  // The findings beside the line's fields as written.
  EXPECT_EQ(rows("GRE", {"RB", "TIP", "JMBG", "OPIS", "PREZIME", "IZNOS10"}),
            (std::vector<std::string>{
                "1|0|" + wrongJmbg.jmbg +
                    "|MBG osiguranika nije točan po modulu 11|KOVAČEVIĆ ANA|" + wrongJmbg.iv10,
                "2|0|" + secondPillarOff.jmbg +
                    "|Upozorenje - razlika u obračunatom doprinosu II stupa:      92.46  -      "
                    "92.50|KOVAČEVIĆ ANA|+00000000009246"}));
  EXPECT_EQ(reporter.statuses.back(), "Ukupno obrađeno=    5");
}

TEST_F(InputCheckRun, ALineOfAnotherEmployerOrPeriodIsOnlyCounted) {
  TestLine a = otherPerson(100), b = otherPerson(200);
  a.voi = "03";
  b.year = "2024";
  b.iv7 = "garbage";
  const auto out = run(paymentFile({a, b, a}));
  ASSERT_TRUE(out.status.ok());
  EXPECT_EQ(out.summary.linesRead, 3);
  EXPECT_EQ(out.summary.linesAccepted, 0);
  EXPECT_EQ(out.summary.linesWithErrors, 0);
  EXPECT_EQ(rows("OSI4", {"JMBG"}).size(), 3u);
  EXPECT_TRUE(rows("OSI3", {"JMBG"}).empty());
  EXPECT_TRUE(rows("GRE", {"RB"}).empty());
}

TEST_F(InputCheckRun, TheAmountsOfAPersonCountAcrossSkippedLines) {
  // The person's IV.7 of 120.00 stands in a line of another kind of payment; the selected line's
  // IV.7 of 0 then passes the rule above zero.
  TestLine skipped, checked;
  skipped.voi = "03";
  skipped.iv7 = amountField("120.00");
  checked.iv7 = amountField("0");
  auto out = run(paymentFile({skipped, checked}));
  EXPECT_EQ(out.summary.linesAccepted, 1);
  EXPECT_EQ(out.findings, 0);

  // Another person between the two lines ends the first person's amounts.
  out = run(paymentFile({skipped, otherPerson(5), checked}));
  EXPECT_EQ(out.summary.linesWithErrors, 1);
}

TEST_F(InputCheckRun, RunningTwiceGivesTheSameTables) {
  TestLine bad = otherPerson(3);
  bad.opcina = "0000";
  bad.iv9 = amountField("1.00");
  const std::string file = paymentFile({TestLine{}, bad, otherPerson(9)});
  run(file);
  const auto first = workTables();
  run(file);
  EXPECT_EQ(workTables(), first);
  EXPECT_EQ(rows("GRE", {"RB"}), (std::vector<std::string>{"1", "2"}));

  // A run over another file keeps nothing of the earlier one.
  run(paymentFile({TestLine{}}));
  EXPECT_TRUE(rows("GRE", {"RB"}).empty());
  EXPECT_EQ(rows("OSI4", {"JMBG"}).size(), 1u);
}

TEST_F(InputCheckRun, FindingNumbersComeFromTheCallerAndStopAtTheLargestShort) {
  TestLine bad;
  bad.opcina = "0000";
  bad.member = "X";  // with the differences of a line without rates: four findings
  const auto file = writeInput(paymentFile({bad}));

  FindingNumbers numbers(41);
  auto out = runInputCheck(ctx, kClock, selection(file), reporter, numbers);
  EXPECT_EQ(rows("GRE", {"RB"}), (std::vector<std::string>{"41", "42", "43", "44"}));
  EXPECT_EQ(numbers.peek(), 45);

  FindingNumbers nearlyUsedUp(FindingNumbers::kLast - 1);
  out = runInputCheck(ctx, kClock, selection(file), reporter, nearlyUsedUp);
  EXPECT_EQ(out.findings, 2);
  EXPECT_EQ(out.findingsNotKept, 2);
  EXPECT_EQ(rows("GRE", {"RB"}), (std::vector<std::string>{"32766", "32767"}));
  EXPECT_EQ(reporter.messages.back(), "Nije upisano nalaza u TBGRESKE: 2");
}

TEST_F(InputCheckRun, ALongMessageIsCutToTheFindingsField) {
  TestLine bad;
  bad.iv11 = amountField("-1");
  run(paymentFile({bad}));
  const std::string message =
      "Greška - Iznos ispaćene plaće mora biti >=0. Provjerite kontrolnu tablicu za VOB=01 VOI=01 "
      "OO=01";
  const std::string cut = utf8FromCp1250(clipRight(cp1250(message).substr(0, 80)));
  EXPECT_EQ(rows("GRE", {"OPIS"}), std::vector<std::string>{cut});
  EXPECT_EQ(cp1250(cut).size(), 80u);
}

TEST_F(InputCheckRun, ASelectionOrFileThatCannotBeUsedStopsTheRun) {
  struct Case {
    const char* name;
    std::function<void(InputSelection&)> change;
    const char* failure;
    const char* field;
  };
  const std::vector<Case> cases = {
      {"missing file", [&](InputSelection& s) { s.file = dir.path() / "nema.txt"; },
       "Greška kod preuzimanja podataka ", "GLO:UlazFile"},
      {"a folder", [&](InputSelection& s) { s.file = dir.path() / "ulaz"; },
       "Greška kod preuzimanja podataka ", "GLO:UlazFile"},
      {"no file", [](InputSelection& s) { s.file.clear(); }, "Greška kod preuzimanja podataka ",
       "GLO:UlazFile"},
      {"year before 2005", [](InputSelection& s) { s.year = "2004"; },
       "Greška. Godina mora biti veća od 2004", "GLO:ObrGod"},
      {"year no number", [](InputSelection& s) { s.year = "20x5"; },
       "Greška. Godina mora biti veća od 2004", "GLO:ObrGod"},
      {"month 13", [](InputSelection& s) { s.month = "13"; }, "Pogrešna oznaka mjeseca",
       "GLO:ObrMje"},
      {"month no number", [](InputSelection& s) { s.month = "x"; }, "Mjesec mora biti numerik",
       "GLO:ObrMje"},
      {"unknown employer", [](InputSelection& s) { s.employer = 99; }, "Greška 35", ""},
  };
  const auto file = writeInput(paymentFile({TestLine{}}));
  for (const auto& c : cases) {
    InputSelection s = selection(file);
    c.change(s);
    const auto out = runInputCheck(ctx, kClock, s, reporter);
    EXPECT_FALSE(out.status.ok()) << c.name;
    EXPECT_EQ(out.status.text().rfind(c.failure, 0), 0u) << c.name << ": " << out.status.text();
    EXPECT_EQ(out.failedField, c.field) << c.name;
    EXPECT_EQ(out.summary.linesRead, 0) << c.name;
  }
  EXPECT_TRUE(std::count(reporter.messages.begin(), reporter.messages.end(),
                         "Greška. Godina mora biti numerik"));
}

TEST_F(InputCheckRun, APlaceholderAuthorisedPersonStopsTheRun) {
  testing::setParameter(ctx, "JMBG", "1111111111111");
  const auto out = run(paymentFile({TestLine{}}));
  EXPECT_EQ(out.status.text(),
            "Ispravite podatke o ovlaštenoj osobi.| Ispravak izvršite kroz Servisi/Aplikacijski "
            "parametri");
}

TEST_F(InputCheckRun, ABrokenFileIsReadWithoutHarm) {
  const std::string line = TestLine{}.text();
  const std::pair<const char*, std::string> files[] = {
      {"empty", ""},
      {"no final line end", line + "\r\n" + line},
      {"NUL bytes", line + "\r\n" + std::string(300, '\0') + "\r\n" + line + "\r\n"},
      {"a line of 10000 characters", std::string(10'000, '7') + "\r\n" + line + "\r\n"},
      {"binary", std::string("\x1f\x8b\x08\x00\xff\xfe\r\n\x80\x81", 10)},
      {"bare LF", line + "\n" + line + "\n"},
  };
  for (const auto& [name, bytes] : files) {
    const auto out = run(bytes);
    ASSERT_TRUE(out.status.ok()) << name;
    EXPECT_EQ(out.summary.linesRead, static_cast<int>(rows("OSI4", {"JMBG"}).size())) << name;
  }
  EXPECT_EQ(run("").summary.linesRead, 0);
  EXPECT_EQ(run(line + "\r\n" + line).summary.linesAccepted, 2);
}

// What the reading would drop without a word is reported with its line: a file of CR line ends
// is refused before any line is taken; a line too long, or hidden behind a Ctrl-Z, is a finding
// and never accepted.
TEST_F(InputCheckRun, InputThatDoesNotFitIsReportedWithItsLine) {
  const std::string line = TestLine{}.text();
  const TestLine ana = otherPerson(512);
  auto out = run(line + "\r" + ana.text() + "\r");
  EXPECT_EQ(out.status.text(),
            "Ulazna datoteka nema krajeve redaka CR LF (redak 1 sadrži CR bez LF); podaci nisu "
            "preuzeti");
  EXPECT_EQ(out.failedField, "GLO:UlazFile");
  EXPECT_EQ(out.summary.linesRead, 0);

  const struct {
    const char* what;
    std::string bytes;
    int read;
    const char* finding;
  } cases[] = {
      {"behind a Ctrl-Z", line + "\r\n\x1A" + ana.text() + "\r\n", 1,
       "Redak 2 stoji iza oznake kraja datoteke (Ctrl-Z) i nije pročitan"},
      {"too long", line + "\r\n" + ana.text() + "XYZ\r\n", 2,
       "Redak 2 je dulji od 194 znaka (duljina 197); višak nije pročitan"},
  };
  for (const auto& c : cases) {
    out = run(c.bytes);
    ASSERT_TRUE(out.status.ok()) << c.what;
    EXPECT_EQ(out.summary.linesRead, c.read) << c.what;
    EXPECT_EQ(out.summary.linesAccepted, 1) << c.what;
    EXPECT_EQ(out.summary.linesWithErrors, 1) << c.what;
    EXPECT_EQ(rows("GRE", {"JMBG", "OPIS"}), std::vector<std::string>{ana.jmbg + "|" + c.finding})
        << c.what;
  }
}

// A control byte in a line is a finding of that line, by the rule the takeover refuses it with;
// each finding knows its line.
TEST_F(InputCheckRun, AControlByteMakesALineAFindingOfItsLine) {
  const std::string line = TestLine{}.text();
  const TestLine ana = otherPerson(512);
  const std::pair<char, const char*> bytes[] = {
      {'\0', "Polje OSI1:PREZIME: nedopušten znak NUL (U+0000)"},
      {'\x1b', "Polje OSI1:PREZIME: nedopušten znak ESC (U+001B)"},
      {'\x81', "Polje OSI1:PREZIME: nedopušten kontrolni znak (U+0081)"},
      {'\x7f', "Polje OSI1:PREZIME: nedopušten znak DEL (U+007F)"},
  };
  for (const auto& [byte, finding] : bytes) {
    std::string spoilt = ana.text();
    spoilt[spoilt.find("KOVA") + 3] = byte;
    const auto out = run(line + "\r\n" + spoilt + "\r\n");
    ASSERT_TRUE(out.status.ok()) << finding;
    EXPECT_EQ(out.summary.linesRead, 2) << finding;
    EXPECT_EQ(out.summary.linesAccepted, 1) << finding;
    EXPECT_EQ(out.summary.linesWithErrors, 1) << finding;
    EXPECT_EQ(out.faultyLines, 1) << finding;
    EXPECT_EQ(rows("GRE", {"JMBG", "OPIS"}), std::vector<std::string>{ana.jmbg + "|" + finding});
    EXPECT_EQ(out.findingLines, std::vector<std::int64_t>{2}) << finding;
    EXPECT_EQ(out.note, "");
  }
}

// A file that holds no line of the obligor says so, and a file of NUL bytes is spoilt.
TEST_F(InputCheckRun, AFileWithoutALineOfTheObligorSaysSo) {
  TestLine otherMonth;
  otherMonth.month = "10";
  auto out = run(paymentFile({otherMonth}));
  EXPECT_EQ(out.summary.linesRead, 1);
  EXPECT_EQ(out.note, kNoLineSelected);
  EXPECT_EQ(out.faultyLines, 0);

  out = run(std::string(100'000, '\0'));
  ASSERT_TRUE(out.status.ok());
  EXPECT_EQ(out.note, kNoLineSelected);
  EXPECT_EQ(out.faultyLines, 1);
  EXPECT_EQ(out.findingLines, std::vector<std::int64_t>{1});

  EXPECT_EQ(run(paymentFile({TestLine{}})).note, "");
}

// ---------------------------------------------------------------------------------------------

TEST(InputSelectionChecks, FieldsRefuseWhatTheRunCannotUse) {
  const std::pair<CheckResult, const char*> cases[] = {
      {checkSelectionYear("2025"), nullptr},
      {checkSelectionYear("20a5"), "Greška. Godina mora biti numerik"},
      {checkSelectionYear("205"), "Greška. Godina mora biti 4-znamenkasta"},
      {checkSelectionMonth("12", "01"), nullptr},
      {checkSelectionMonth("1x", "01"), "Mjesec mora biti numerik"},
      {checkSelectionMonth("13", "01"), "Pogrešna oznaka mjeseca"},
      {checkSelectionMonth("-1", "01"), "Pogrešna oznaka mjeseca"},
      {checkSelectionMonth("3", "05"), "Za uplate 03 05 i 06 mjesec mora biti = 00"},
      {checkSelectionMonth("1", "3"), "Za uplate 03 05 i 06 mjesec mora biti = 00"},
      {checkSelectionMonth("0", "06"), nullptr},
      {checkSelectionDay("31", true, "4", "2025"), "Pogrešan dan"},
      {checkSelectionDay("30", false, "4", "2025"), nullptr},
      {checkSelectionDay("29", false, "2", "2024"), nullptr},
      {checkSelectionDay("29", false, "2", "2025"), "Pogrešan dan"},
      {checkSelectionDay("31", true, "0", "2025"), nullptr},
      {checkSelectionDay("x", false, "1", "2025"), "Greška. Dozvoljene su samo brojke"},
  };
  for (const auto& [result, message] : cases) {
    if (!message) {
      EXPECT_FALSE(result) << result->message;
    } else {
      ASSERT_TRUE(result) << message;
      EXPECT_EQ(result->message, message);
    }
  }
  EXPECT_EQ(checkSelectionDay("32", false, "1", "2025")->field, "GLO:RazdDo");
}

}  // namespace
}  // namespace obrazac::check
