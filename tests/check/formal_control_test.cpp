#include "check/formal_control.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>

#include "check/findings_transcript.h"
#include "check/sample_file.h"
#include "data/codepage.h"
#include "data/fixed_width.h"
#include "register/identifier_checks.h"
#include "support/parameter_record.h"

namespace obrazac::check {
namespace {

namespace fs = std::filesystem;
using testing::setField;
using Lines = std::vector<std::string>;

// A finding as "<line> <field> <type> <message>", the message in UTF-8.
std::string describe(const Finding& f) {
  return std::to_string(f.line) + " " + f.field + " " + static_cast<char>(f.severity) + " " +
         utf8FromCp1250(f.message);
}

// An MB whose check digit is wrong, from a right one.
std::string wrongMB() {
  std::string mb = testing::obligorMB();
  mb[7] = static_cast<char>('0' + (mb[7] - '0' + 1) % 10);
  EXPECT_FALSE(ProvjeraMB(mb.substr(0, 8)));
  return mb;
}

class FormalControl : public ::testing::Test {
 protected:
  void SetUp() override { testing::copySampleInstallation(dir.path()); }

  FormalControlOutcome runOn(const fs::path& file) {
    Context ctx(dir.path());
    return runFormalControl(ctx, file, clock, reporter);
  }
  FormalControlOutcome run(const Lines& lines) {
    const fs::path file = dir / "izlaz" / "F0015001.TXT";
    testing::writeFile(file, testing::joined(lines));
    return runOn(file);
  }
  Lines findings(std::int64_t onlyLine = 0) {
    Context ctx(dir.path());
    Lines all;
    EXPECT_EQ(forEachFinding(ctx,
                             [&](const Finding& f) {
                               if (onlyLine == 0 || f.line == onlyLine) all.push_back(describe(f));
                             }),
              0);
    return all;
  }
  // The rows of TBIZLAZ.DAT as "<line>|<type>|<mark>".
  Lines lineRows() {
    Context ctx(dir.path());
    Table& t = ctx.table("ULZ");
    EXPECT_EQ(t.open(AccessMode::ReadOnly), 0);
    Lines rows;
    const Record& r = t.record();
    t.clear();
    t.set("KEYVRSTA");
    while (t.next() == 0)
      rows.push_back(std::to_string(r.integer(r.index("REDBROJ"))) + "|" +
                     r.text(r.index("TIPSLOGA")) + "|" + r.text(r.index("GRESKA")));
    return rows;
  }

  testing::TempDir dir;
  FixedClock clock{Date::fromParts(1, 10, 2026)};
  RecordingReporter reporter;
};

TEST_F(FormalControl, AValidFileHasNoFindingAndEveryLineARow) {
  const auto out = run(testing::validFile());
  EXPECT_TRUE(out.status.ok()) << ::testing::PrintToString(reporter.messages);
  EXPECT_EQ(out.lines, 6);
  EXPECT_EQ(out.errors + out.warnings, 0);
  EXPECT_EQ(findings(), Lines{});
  EXPECT_EQ(lineRows(), (Lines{"1|0| ", "2|3| ", "3|5| ", "4|5| ", "5|7| ", "6|9| "}));
  EXPECT_EQ(reporter.statuses.front(), "Malo strpljenja. Radim...");
  EXPECT_EQ(reporter.statuses.back(), "Izvršena je kontrola datoteke.");
  EXPECT_TRUE(reporter.messages.empty());
}

// One damaged record at a time: the findings of that line, in the order of field code.
struct Damage {
  std::size_t line;  // 1-based line of validFile()
  std::vector<std::pair<std::string, std::string>> fields;
  Lines expected;  // "<field> <type> <message>"
};

TEST_F(FormalControl, EachRecordTypeReportsItsFaults) {
  const Damage cases[] = {
      // Sender: the check digit is tested also when the numeric test failed.
      {1,
       {{"RS0MBOO", wrongMB().substr(0, 11) + "A"}},
       {"RS0MBOO F MB ovlaštene osobe mora biti numerik",
        "RS0MBOO F MB ovlaštene osobe nije točan po modulu 11"}},
      {1,
       {{"RS0NAOB", ""}},
       {"RS0NAOB U Naziv ili prezime i ime ovlaštene osobe mora biti popunjeno"}},
      {1,
       {{"RS0DTMN", "1512202A"}},
       {"RS0DTMN F Datum nije numerik=1512202A", "RS0DTMN F Pogrešan datum slanja sloga"}},
      {1, {{"RS0DTMN", "31122004"}}, {"RS0DTMN F Pogrešan datum slanja sloga"}},
      {1, {{"RS0DTMN", "31022025"}}, {"RS0DTMN F Pogrešan datum slanja sloga"}},
      {1, {{"RS0OFOR", "RM400"}}, {"RS0OFOR U Pogrešna oznaka formata"}},
      // Form header: a failed numeric test spares the check digit.
      {2,
       {{"RS3MBOO", wrongMB().substr(0, 11) + "A"}},
       {"RS3MBOO F MB obveznika mora biti numerik"}},
      {2, {{"RS3MBOO", wrongMB()}}, {"RS3MBOO F MB obveznika nije točan po modulu 11"}},
      {2,
       {{"RS3MBGO", testing::personA()}},
       {"RS3MBGO F Nije dozvoljeno upisati MB i MBG obveznika, izuzev ako MB firme počinje sa 8 "
        "ili 9",
        "RS3MBOO F MB i MBG mogu biti upisani samo za VOB=02 i ako MB počine sa 8 ili 9, VOB "
        "nije 02 i 21"}},
      {2,
       {{"RS3NAOB", ""}},
       {"RS3NAOB F Naziv ili prezime i ime obveznika osobe ne smije biti prazna"}},
      // An unknown kind of obligor spares the checks of what the kind requires.
      {2,
       {{"RS3VROB", "77"}, {"RS3MBOO", "000000000000"}},
       {"RS3VROB F Nepoznata vrsta obveznika"}},
      {2, {{"RS3VROB", "02"}}, {"RS3MBGO F MBG obveznika mora biti upisan"}},
      {2,
       {{"RS3VROB", "01"}, {"RS3MBOO", "000000000000"}},
       {"RS3MBOO F MB pravne osobe mora biti upisan"}},
      {2, {{"RS3MMGG", "11/025"}}, {"RS3MMGG F Mjesec i godina nisu numerik"}},
      {2, {{"RS3VROI", "77"}}, {"RS3VROI F Nepoznata vrsta uplate"}},
      {2, {{"RS3BROS", "0000A"}}, {"RS3BROS F Broj osiguranika mora biti numerik"}},
      {2,
       {{"RS3IOSN", "00000000020000A"}},
       {"RS3IOSN F Osnovica za obračun doprinosa mora biti numerik"}},
      // Row of a person.
      {3, {{"RS5MBGO", "02059803300AB"}}, {"RS5MBGO F MBG osiguranika mora biti numerik"}},
      {3, {{"RS5MBGO", "0205980330112"}}, {"RS5MBGO F MBG osiguranika nije točan po modulu 11"}},
      {3, {{"RS5IMPR", ""}}, {"RS5IMPR U Prezime i ime osiguranika je obavezan podatak"}},
      {3, {{"RS5GROP", "9999"}}, {"RS5GROP U Nepoznata općina osiguranika"}},
      // Without rates every contribution is expected to be 0.
      {3,
       {{"RS5OSOB", "99 "}},
       {"RS5IST1 U Upozorenje - razlika u obračunatom doprinosu I. stupa:     150.00  -       0.00",
        "RS5IST2 F Tip sloga 5. - Postoji razlika u obračunu doprinosa :     50.00  -       0.00",
        "RS5IST2 U Upozorenje - razlika o ukupno obračunatom doprinosu :     200.00  -       0.00",
        "RS5OSOB F Pogrešna osnova osiguranja",
        "RS5OSOB F Tip sloga 5. Pogrešan OO za obveznika = 01 VOI=01"}},
      {3,
       {{"RS5OSOB", "019"}},
       {"RS5IST1 U Upozorenje - razlika u obračunatom doprinosu I. stupa:     150.00  -       0.00",
        "RS5IST2 F Tip sloga 5. - Postoji razlika u obračunu doprinosa :     50.00  -       0.00",
        "RS5IST2 U Upozorenje - razlika o ukupno obračunatom doprinosu :     200.00  -       0.00",
        "RS5OSOB F Pogrešna oznaka uvećanog staža"}},
      // Increased duration: pillar I at 19.86 %.
      {3,
       {{"RS5OSOB", "012"}},
       {"RS5IST1 U Upozorenje - razlika u obračunatom doprinosu I. stupa:     150.00  -     198.60",
        "RS5IST2 U Upozorenje - razlika o ukupno obračunatom doprinosu :     200.00  -     "
        "248.60"}},
      {3,
       {{"RS5IBRT", "00000000000000A"}},  // unreadable, so 0 for the range
       {"RS5IBRT F Obračunati mjesečni iznos mora biti numerik",
        "RS5IBRT F Tip sloga 5. - Iznos obračunane plaće (IV.7) mora biti >0. Provjerite "
        "kontrolnu tablicu za VOB=01 VOI=01 OO=01"}},
      {3,
       {{"RS5RAZD", "0131"}},
       {"RS5RAZD F Tip sloga 5. - Greška - razdoblje do mora biti >0. Provjerite kontrolnu "
        "tablicu za VOB=01 VOI=01 OO=01"}},
      {3,
       {{"RS5RAZD", "0030"}},
       {"RS5RAZD F Tip sloga 5. - Greška - razdoblje od mora biti >0. Provjerite kontrolnu "
        "tablicu za VOB=01 VOI=01 OO=01"}},
      {3,
       {{"RS5IBRT", "000000000000000"}},
       {"RS5IBRT F Tip sloga 5. - Iznos obračunane plaće (IV.7) mora biti >0. Provjerite "
        "kontrolnu tablicu za VOB=01 VOI=01 OO=01"}},
      {3,
       {{"RS5IST2", "000000000004000"}},
       {"RS5IST2 F Tip sloga 5. - Postoji razlika u obračunu doprinosa :     40.00  -      50.00",
        "RS5IST2 U Upozorenje - razlika o ukupno obračunatom doprinosu :     190.00  -     "
        "200.00"}},
      // Form closing.
      {5, {{"RS7MBGO", "0000000000001"}}, {"RS7MBGO F MBG obveznika nije točan po modulu 11"}},
      {5,
       {{"RS7RBSU", "0002"}},
       {"RS7RBSU F Identifikator nije jednak Identifikatoru u slogu tipa 3"}},
      {5, {{"RS7BRSL", "0000A"}}, {"RS7BRSL F Broj slogova nije numerik"}},
      {5,
       {{"RS7BRSL", "00003"}},
       {"RS7BRSL F Broj slogova tipa 5 nije jednak broju upisanih slogova     3     2"}},
      {5, {{"RS7DTRS", "1512202A"}}, {"RS7DTRS F Pogrešan datum formiranja"}},
      {5, {{"RS7DTRS", "151220"}}, {"RS7DTRS F Datum formiranja je pogrešan"}},
      {5, {{"RS7DTRS", "11012026"}}, {"RS7DTRS F Datum formiranja je pogrešan"}},
      // File closing.
      {6, {{"RS9MBGO", "00000000000AB"}}, {"RS9MBGO F MBG ovlaštene osobe mora biti numerik"}},
      {6, {{"RS9DTMN", "29022005"}}, {"RS9DTMN F Pogrešan datum formiranja sloga"}},
      {6, {{"RS9DTMN", "29022008"}}, {}},
      {6, {{"RS9BROJ", "00000A"}}, {"RS9BROJ U Broj podataka nije numerik"}},
      {6,
       {{"RS9BROJ", "000002"}},
       {"RS9BROJ U Broj slogova tipa 3 nije identičan podatku RS9BROJ"}},
  };
  for (const auto& c : cases) {
    Lines file = testing::validFile();
    for (const auto& [code, value] : c.fields) setField(file[c.line - 1], code, value);
    ASSERT_TRUE(run(file).status.ok());
    Lines expected;
    for (const auto& e : c.expected) expected.push_back(std::to_string(c.line) + " " + e);
    EXPECT_EQ(findings(static_cast<std::int64_t>(c.line)), expected)
        << "line " << c.line << " " << c.fields[0].first << "=" << c.fields[0].second;
  }
}

TEST_F(FormalControl, FindingsCarryTheirContextAndMarkTheirLine) {
  Lines file = testing::validFile();
  setField(file[0], "RS0OFOR", "RM400");
  setField(file[2], "RS5GROP", "9999");
  setField(file[4], "RS7RBSU", "0002");
  ASSERT_TRUE(run(file).status.ok());
  Context ctx(dir.path());
  Lines contexts;
  forEachFinding(ctx, [&](const Finding& f) { contexts.push_back(utf8FromCp1250(f.context)); });
  EXPECT_EQ(contexts,
            (Lines{"Slog tipa 0", testing::personA() + " HORVAT MARKO", "PRIMJER d.o.o. Čakovec"}));
  EXPECT_EQ(lineRows(), (Lines{"1|0|D", "2|3| ", "3|5|D", "4|5| ", "5|7|D", "6|9| "}));
}

// The I. pillar contribution may be off the expected one by 0.03, rounding, not by 0.04.
TEST_F(FormalControl, ContributionsDifferOnlyBeyondThreeLipa) {
  const std::pair<const char*, bool> cases[] = {{"000000000015003", false},
                                                {"000000000014997", false},
                                                {"000000000015004", true},
                                                {"000000000014996", true}};
  for (const auto& [amount, differs] : cases) {
    Lines file = testing::validFile();
    setField(file[2], "RS5IST1", amount);
    ASSERT_TRUE(run(file).status.ok());
    const Lines found = findings(3);
    EXPECT_EQ(found.size(), differs ? 2u : 0u) << amount << ::testing::PrintToString(found);
  }
}

// The zero-amount exception: a 0 passes a ">0" rule after a positive amount of the same person
// in the same form, not for another person and not after a new form header.
TEST_F(FormalControl, ZeroAmountPassesAfterThePersonsPositiveAmount) {
  const std::string zeroRule =
      "RS5IBRT F Tip sloga 5. - Iznos obračunane plaće (IV.7) mora biti >0. Provjerite "
      "kontrolnu tablicu za VOB=01 VOI=01 OO=01";
  auto zeroGross = [](std::string line) {
    setField(line, "RS5IBRT", "000000000000000");
    return line;
  };
  // Rows of person A, A with 0, B with 0.
  Lines form = testing::formLines({{testing::personA(), "HORVAT MARKO"},
                                   {testing::personA(), "HORVAT MARKO"},
                                   {testing::personB(), "KOVAČEVIĆ ANA"}});
  form[2] = zeroGross(form[2]);
  form[3] = zeroGross(form[3]);
  // A second form whose first row is person A again, with 0.
  Lines second = testing::formLines({{testing::personA(), "HORVAT MARKO"}}, "0002");
  second[1] = zeroGross(second[1]);

  Lines file = {testing::senderLine()};
  file.insert(file.end(), form.begin(), form.end());
  file.insert(file.end(), second.begin(), second.end());
  file.push_back(testing::fileClosingLine(2));
  ASSERT_TRUE(run(file).status.ok());
  EXPECT_EQ(findings(4), Lines{});
  EXPECT_EQ(findings(5), Lines{"5 " + zeroRule});
  EXPECT_EQ(findings(8), Lines{"8 " + zeroRule});
}

// Each form sums its own rows and counts its own rows; the forms are counted over the file.
TEST_F(FormalControl, TwoFormsRestartSumsAndRowCounts) {
  Lines file = {testing::senderLine()};
  for (const auto& l : testing::formLines({{testing::personA(), "HORVAT MARKO", "1850.00"},
                                           {testing::personB(), "KOVAČEVIĆ ANA"}}))
    file.push_back(l);
  for (const auto& l :
       testing::formLines({{testing::personB(), "KOVAČEVIĆ ANA", "900.00"}}, "0002"))
    file.push_back(l);
  file.push_back(testing::fileClosingLine(2));
  const auto out = run(file);
  ASSERT_TRUE(out.status.ok());
  EXPECT_EQ(findings(), Lines{});

  // A wrong header total shows both values with the picture of its item.
  setField(file[1], "RS3IBRT", "000000000285001");
  setField(file[1], "RS3IST1", "000000000042751");
  ASSERT_TRUE(run(file).status.ok());
  EXPECT_EQ(findings(),
            (Lines{"5 RS3DIOI U Zbroj III.1 ne odgovara sumi IV.7 tj. III.1=     2.850,0100 - "
                   "Suma IV.7=     2.850,0000",
                   "5 RS3IST1 F Zbroj III.3 ne odgovara sumi IV.9 tj. III.3=         427.51 - "
                   "Suma IV.9=         427.50"}));
}

// Without forms the file's closing record must count none.
TEST_F(FormalControl, AFileOfSenderAndClosingOnlyCountsNoForm) {
  ASSERT_TRUE(run({testing::senderLine(), testing::fileClosingLine(0)}).status.ok());
  EXPECT_EQ(findings(), Lines{});
  ASSERT_TRUE(run({testing::senderLine(), testing::fileClosingLine(1)}).status.ok());
  EXPECT_EQ(findings(), Lines{"2 RS9BROJ U Broj slogova tipa 3 nije identičan podatku RS9BROJ"});
}

TEST_F(FormalControl, LinesThatAreNoRecordGetNoChecks) {
  std::string unknown(250, ' ');
  unknown.back() = 'X';
  Lines file = testing::validFile();
  file.insert(file.begin() + 1, "SHORT LINE");
  file.insert(file.begin() + 2, unknown);
  const auto out = run(file);
  ASSERT_TRUE(out.status.ok());
  EXPECT_EQ(out.lines, 8);
  EXPECT_EQ(findings(), Lines{"2 DULJINA F Redak ima duljinu 10, a slog mora imati 250 znakova"});
  const Lines rows = lineRows();
  EXPECT_EQ(rows[1], "2| |D");
  EXPECT_EQ(rows[2], "3|X| ");
}

// A file that is no submission file, or one cut short, gets errors on its shape: each case is
// the findings of the whole file.
TEST_F(FormalControl, AFileThatIsNoSubmissionFileHasErrors) {
  const Lines valid = testing::validFile();
  const std::string payroll(194, '1');
  auto without = [&](std::initializer_list<std::size_t> dropped) {
    Lines lines;
    for (std::size_t i = 0; i < valid.size(); ++i)
      if (std::find(dropped.begin(), dropped.end(), i + 1) == dropped.end())
        lines.push_back(valid[i]);
    return testing::joined(lines);
  };
  Lines longRow = valid;
  longRow[2] += "X";
  const std::string length251 = "DULJINA F Redak ima duljinu 251, a slog mora imati 250 znakova";
  const struct {
    const char* what;
    std::string bytes;
    Lines expected;
  } cases[] = {
      {"empty", "", {"0 TIPSLOGA F Datoteka je prazna"}},
      {"NUL bytes",
       std::string(500, '\0'),
       {"1 DULJINA F Redak ima duljinu 500, a slog mora imati 250 znakova",
        "1 TIPSLOGA F Prvi slog datoteke nije tipa 0",
        "1 TIPSLOGA F Zadnji slog datoteke nije tipa 9",
        "1 ZNAK F Slog sadrži nedopušten znak NUL (U+0000) na mjestu 1"}},
      {"a payroll file",
       payroll + "\r\n" + payroll + "\r\n",
       {"1 DULJINA F Redak ima duljinu 194, a slog mora imati 250 znakova",
        "1 TIPSLOGA F Prvi slog datoteke nije tipa 0",
        "2 DULJINA F Redak ima duljinu 194, a slog mora imati 250 znakova",
        "2 TIPSLOGA F Zadnji slog datoteke nije tipa 9"}},
      {"without its closing records",
       without({5, 6}),
       {"4 TIPSLOGA F Obrazac iz retka 2 nema sloga tipa 7",
        "4 TIPSLOGA F Zadnji slog datoteke nije tipa 9"}},
      {"a form without its type 7",
       without({5}),
       {"5 TIPSLOGA F Obrazac iz retka 2 nema sloga tipa 7"}},
      {"without its sender", without({1}), {"1 TIPSLOGA F Prvi slog datoteke nije tipa 0"}},
      {"a line of 251 characters", testing::joined(longRow), {"3 " + length251}},
      {"lines behind a Ctrl-Z",
       without({}) + "\x1A" + valid[1] + "\r\n",
       {"6 TIPSLOGA F Iza oznake kraja datoteke (Ctrl-Z) u retku 7 stoje podaci koji nisu "
        "provjereni"}},
      {"a Ctrl-Z that only ends the file", without({}) + "\x1A\r\n", {}},
  };
  for (const auto& c : cases) {
    const fs::path file = dir / "izlaz" / "F0015001.TXT";
    testing::writeFile(file, c.bytes);
    const auto out = runOn(file);
    ASSERT_TRUE(out.status.ok()) << c.what;
    EXPECT_EQ(findings(), c.expected) << c.what;
    EXPECT_EQ(out.errors, static_cast<std::int64_t>(c.expected.size())) << c.what;
  }
  // The line of the finding is marked for the review.
  EXPECT_EQ(lineRows(), (Lines{"1|0| ", "2|3| ", "3|5| ", "4|5| ", "5|7| ", "6|9| "}));
  testing::writeFile(dir / "izlaz" / "F0015001.TXT", without({6}));
  runOn(dir / "izlaz" / "F0015001.TXT");
  EXPECT_EQ(lineRows().back(), "5|7|D");
}

// Whatever the file holds, it is read to its end and nothing else happens.
TEST_F(FormalControl, AnyBytesAreCheckedWithoutFailing) {
  std::string binary;
  for (int i = 0; i < 1024; ++i) binary.push_back(static_cast<char>(i * 37 % 256));
  const std::string record = testing::validFile()[1];
  const std::pair<std::string, std::int64_t> cases[] = {
      {"", 0},
      {binary, 5},
      {std::string(10'000, '5') + "\r\n" + record, 2},
      {record, 1},                                 // no line end
      {record + "\r\n\x1a" + record + "\r\n", 1},  // Ctrl-Z ends the file
      {std::string(249, '\0') + "3\r\n", 1},
  };
  for (const auto& [bytes, lines] : cases) {
    const fs::path file = dir / "any.bin";
    testing::writeFile(file, bytes);
    const auto out = runOn(file);
    EXPECT_TRUE(out.status.ok()) << out.status.text();
    EXPECT_EQ(out.lines, lines) << bytes.size();
  }
}

TEST_F(FormalControl, AFileThatCannotBeTakenIsRefused) {
  const std::pair<fs::path, const char*> files[] = {{dir / "missing.txt", ": datoteka ne postoji"},
                                                    {dir / "izlaz", ": to je mapa, a ne datoteka"}};
  for (const auto& [file, reason] : files) {
    reporter.messages.clear();
    const auto out = runOn(file);
    EXPECT_FALSE(out.status.ok());
    EXPECT_EQ(reporter.messages,
              Lines{"Greška kod preuzimanja podataka " + file.string() + reason});
  }
}

// No field of a record may hold a control byte: one inside a name is an error of its line.
TEST_F(FormalControl, AControlByteInsideARecordIsAnError) {
  const std::pair<char, const char*> bytes[] = {
      {'\x1b', "nedopušten znak ESC (U+001B)"},
      {'\0', "nedopušten znak NUL (U+0000)"},
      {'\x81', "nedopušten kontrolni znak (U+0081)"},
  };
  for (const auto& [byte, what] : bytes) {
    Lines lines = testing::validFile();
    const std::size_t at = lines[2].find_first_of("ABCDEFGHIJKLMNOPRSTUVZ");
    ASSERT_NE(at, std::string::npos);
    lines[2][at] = byte;
    const auto out = run(lines);
    ASSERT_TRUE(out.status.ok());
    EXPECT_EQ(findings(3), Lines{"3 ZNAK F Slog sadrži " + std::string(what) + " na mjestu " +
                                 std::to_string(at + 1)})
        << what;
    EXPECT_GE(out.errors, 1) << what;
  }
}

TEST_F(FormalControl, ALaterRunReplacesTheFindings) {
  Lines file = testing::validFile();
  setField(file[0], "RS0OFOR", "RM400");
  ASSERT_TRUE(run(file).status.ok());
  ASSERT_EQ(findings().size(), 1u);
  ASSERT_TRUE(run(testing::validFile()).status.ok());
  EXPECT_EQ(findings(), Lines{});
  EXPECT_EQ(lineRows().size(), 6u);
}

// The lines are checked on one thread and stored on another: a row the table refuses halfway
// through a long file stops both, and neither table keeps a part of the file.
TEST_F(FormalControl, ARowTheTableRefusesStopsTheRunAndLeavesBothTablesEmpty) {
  Lines file = testing::validFile();
  file.insert(file.begin() + 3, 3000, file[2]);  // many rows, with findings for their sums
  ASSERT_TRUE(run(file).status.ok());
  ASSERT_FALSE(findings().empty());
  {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((dir / "TBIZLAZ.DAT").c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db,
                           "CREATE TRIGGER refuse BEFORE INSERT ON TBIZLAZ WHEN NEW.REDBROJ = 1500 "
                           "BEGIN SELECT RAISE(ABORT, 'disk full'); END",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
  }
  reporter.messages.clear();
  const auto out = run(file);
  EXPECT_FALSE(out.status.ok());
  ASSERT_EQ(reporter.messages.size(), 1u);
  EXPECT_EQ(reporter.messages[0].rfind("Greška ", 0), 0u) << reporter.messages[0];
  EXPECT_EQ(lineRows(), Lines{});
  EXPECT_EQ(findings(), Lines{});
}

// A stop the user asks for ends the run at its next progress point, as a refusal that keeps no
// part of the file in either table (an earlier result is gone too).
TEST_F(FormalControl, AStoppedRunLeavesBothTablesEmpty) {
  Lines file = testing::validFile();
  setField(file[0], "RS0OFOR", "RM400");
  ASSERT_TRUE(run(file).status.ok());
  ASSERT_FALSE(findings().empty());

  struct StoppingReporter final : RunReporter {
    void status(std::string_view) override {}
    void message(std::string_view text) override { messages.emplace_back(text); }
    Answer ask(std::string_view, bool) override { return Answer::No; }
    bool stopRequested() override { return true; }
    Lines messages;
  } stopping;
  file.insert(file.begin() + 3, 50, file[2]);
  const fs::path path = dir / "izlaz" / "F0015001.TXT";
  testing::writeFile(path, testing::joined(file));
  Context ctx(dir.path());
  const auto out = runFormalControl(ctx, path, clock, stopping);
  EXPECT_FALSE(out.status.ok());
  EXPECT_EQ(stopping.messages, Lines{std::string(kStoppedMessage)});
  EXPECT_EQ(lineRows(), Lines{});
  EXPECT_EQ(findings(), Lines{});
}

TEST_F(FormalControl, AnAuthorisedPersonStillToBeEnteredStopsTheRun) {
  {
    Context ctx(dir.path());
    testing::setParameter(ctx, "JMBG", "1111111111111");
  }
  const auto out = run(testing::validFile());
  EXPECT_FALSE(out.status.ok());
  EXPECT_EQ(reporter.messages,
            Lines{"Ispravite podatke o ovlaštenoj osobi.| Ispravak izvršite kroz "
                  "Servisi/Aplikacijski parametri"});
}

TEST_F(FormalControl, TranscriptSplitsLongMessagesAndIsEmptyWithoutFindings) {
  Lines file = testing::validFile();
  setField(file[0], "RS0OFOR", "RM400");
  setField(file[2], "RS5RAZD", "0131");
  ASSERT_TRUE(run(file).status.ok());
  Context ctx(dir.path());
  RecordingReporter transcript;
  EXPECT_TRUE(writeTranscript(ctx, transcript).written);
  const std::string text = utf8FromCp1250(testing::readFile(dir / "TBIZLAZ2.TXT"));
  EXPECT_EQ(text,
            "    1 RS0OFOR    U Pogrešna oznaka formata\r\n"
            "    3 RS5RAZD    F Tip sloga 5. - Greška - razdoblje do mora biti >0. Provjerite "
            "kontroln\r\n"
            "                   u tablicu za VOB=01 VOI=01 OO=01\r\n");
  ASSERT_FALSE(transcript.messages.empty());
  EXPECT_EQ(
      transcript.messages.back().rfind("Formiran je izlazni file pod imenom TBIZLAZ2.TXT ", 0), 0u);

  ASSERT_TRUE(run(testing::validFile()).status.ok());
  RecordingReporter none;
  EXPECT_TRUE(writeTranscript(ctx, none).written);
  EXPECT_EQ(testing::readFile(dir / "TBIZLAZ2.TXT"), "");
  EXPECT_EQ(none.messages.front(), "There are no records available to process.");
}

TEST(FindingTranscript, AMessageOfSeventyCharactersTakesOneLine) {
  for (const std::size_t length : {70u, 71u, 140u}) {
    Finding f{12345, "RS5IOSN", Severity::Warning, "", std::string(length, 'x')};
    const auto lines = transcriptLines(f);
    ASSERT_EQ(lines.size(), length > 70 ? 2u : 1u) << length;
    EXPECT_EQ(lines[0], "12345 RS5IOSN    U " + std::string(70, 'x'));
    for (const auto& l : lines) EXPECT_EQ(l.size(), 89u);
    if (length > 70) {
      EXPECT_EQ(clipRight(lines[1]), std::string(19, ' ') + std::string(length - 70, 'x'));
    }
  }
}

}  // namespace
}  // namespace obrazac::check
