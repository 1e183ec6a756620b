#include <gtest/gtest.h>

#include "cli/structured_output.h"
#include "support/cli_runner.h"
#include "support/payment_fixture.h"

namespace obrazac {
namespace {

using testing::runCli;
using testing::TestLine;

class CheckInputCli : public ::testing::Test, protected testing::SampleFolder {
 protected:
  testing::CliStreams check(const std::string& file, const std::string& options = "") {
    return testing::runCliStreams(
        "--dir '" + dir.path().string() + "' check-input '" + file +
        "' --employer 1 --type 01 --year 2025 --month 11 --from 1 --to 30 " + options);
  }
};

TEST_F(CheckInputCli, PrintsTheCountsAndTheFindings) {
  TestLine bad;
  bad.opcina = "0000";
  const auto good = writeInput(testing::paymentFile({TestLine{}}), "dobra.txt");
  const auto mixed = writeInput(testing::paymentFile({TestLine{}, bad}), "greske.txt");

  auto r = check(good.string());
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out,
            "Ukupno obrađeno redaka: 1\n"
            "Retci koji zadovoljavaju kontrolama: 1\n"
            "Podaci sa upozorenjima: 0\n");

  r = check(mixed.string());
  EXPECT_EQ(r.exitCode, 1) << r.err;
  EXPECT_EQ(r.out,
            "Ukupno obrađeno redaka: 2\n"
            "Retci koji zadovoljavaju kontrolama: 1\n"
            "Podaci sa upozorenjima: 1\n"
            "\n   Rb MBG           Opis\n"
            "    1 " +
                bad.jmbg + " Nepoznata šifra općine\n");
}

// The findings take the shape of the formal control's: each has the line of the file it was found
// in, what the list does not keep (the type, a field code) is null, the person is the context.
TEST_F(CheckInputCli, JsonAndCsvGiveTheFindingsTheShapeOfTheFormalControl) {
  TestLine bad;
  bad.opcina = "0000";
  bad.name = "KOVAČ \"MALI\", ANA";
  const auto good = writeInput(testing::paymentFile({TestLine{}}), "dobra.txt");
  const auto mixed = writeInput(testing::paymentFile({TestLine{}, bad}), "greske.txt");
  const std::string person = bad.jmbg + " " + bad.name;

  auto r = check(good.string(), "--format json");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  auto doc = testing::parseJson(r.out);
  ASSERT_TRUE(doc) << r.out;
  EXPECT_EQ(doc->keys, (std::vector<std::string>{"linesRead", "linesAccepted", "linesWithErrors",
                                                 "findings"}));
  EXPECT_TRUE(doc->at("findings").items.empty());

  r = check(mixed.string(), "--format json");
  EXPECT_EQ(r.exitCode, 1) << r.err;
  doc = testing::parseJson(r.out);
  ASSERT_TRUE(doc) << r.out;
  EXPECT_EQ(doc->at("linesRead").text, "2");
  EXPECT_EQ(doc->at("linesWithErrors").text, "1");
  ASSERT_EQ(doc->at("findings").items.size(), 1u) << r.out;
  const auto& f = doc->at("findings").items[0];
  EXPECT_EQ(f.keys, (std::vector<std::string>{"line", "field", "type", "context", "message"}));
  EXPECT_EQ(f.at("line").text, "2");
  EXPECT_TRUE(f.at("field").isNull() && f.at("type").isNull());
  EXPECT_EQ(f.at("context").text, person);
  EXPECT_EQ(f.at("message").text, "Nepoznata šifra općine");

  r = check(good.string(), "--format csv");
  EXPECT_EQ(r.out, "line,field,type,context,message\n");
  EXPECT_NE(r.err.find("Ukupno obrađeno redaka: 1\n"), std::string::npos) << r.err;
  r = check(mixed.string(), "--format csv");
  const auto rows = testing::parseCsv(r.out);
  ASSERT_TRUE(rows) << r.out;
  EXPECT_EQ(*rows, (testing::CsvRows{{"line", "field", "type", "context", "message"},
                                     {"2", "", "", person, "Nepoznata šifra općine"}}));
}

// A line the file spoils with a control byte fails the check whatever obligor it names, and a
// file without a line of the obligor says so.
TEST_F(CheckInputCli, ASpoiltLineOrAFileOfAnotherObligorDoesNotPass) {
  TestLine other;
  other.month = "10";
  std::string spoilt = other.text();
  spoilt[spoilt.find("HORVAT")] = '\x1b';
  const auto escaped = writeInput(TestLine{}.text() + "\r\n" + spoilt + "\r\n", "esc.txt");
  auto r = check(escaped.string(), "--format json");
  EXPECT_EQ(r.exitCode, 1) << r.err;
  auto doc = testing::parseJson(r.out);
  ASSERT_TRUE(doc) << r.out;
  ASSERT_EQ(doc->at("findings").items.size(), 1u) << r.out;
  EXPECT_EQ(doc->at("findings").items[0].at("line").text, "2");
  EXPECT_EQ(doc->at("findings").items[0].at("message").text,
            "Polje OSI1:PREZIME: nedopušten znak ESC (U+001B)");

  const auto zeros = writeInput(std::string(100'000, '\0'), "nule.txt");
  r = check(zeros.string());
  EXPECT_EQ(r.exitCode, 1) << r.out;
  EXPECT_NE(r.out.find("Nijedan redak ne pripada odabranom obvezniku\n"), std::string::npos)
      << r.out;

  const auto otherMonth = writeInput(testing::paymentFile({other}), "listopad.txt");
  r = check(otherMonth.string());
  EXPECT_EQ(r.exitCode, 0) << r.out;
  EXPECT_NE(r.out.find("Podaci sa upozorenjima: 0\nNijedan redak ne pripada odabranom obvezniku\n"),
            std::string::npos)
      << r.out;
}

TEST_F(CheckInputCli, ARunThatCannotRunEndsWithTwo) {
  const auto file = writeInput(testing::paymentFile({TestLine{}})).string();
  const std::pair<std::string, std::string> cases[] = {
      {"--employer 1 --type 01 --year 2025 --month 11 --from 1 --to 30",
       "Greška kod preuzimanja podataka "},
      {"--employer 9 --type 01 --year 2025 --month 11 --from 1 --to 30",
       "Greška 35 (Record Not Found): obveznik 9 ne postoji\n"},
      {"--employer 1 --type 01 --year 2004 --month 11 --from 1 --to 30",
       "Greška. Godina mora biti veća od 2004"},
      {"--employer 1 --type 01 --year 2025 --month 13 --from 1 --to 30", "Pogrešna oznaka mjeseca"},
      {"--employer 1 --type 05 --year 2025 --month 3 --from 1 --to 30",
       "Za uplate 03 05 i 06 mjesec mora biti = 00"},
      {"--employer 1 --type 01 --year 2025 --month 4 --from 1 --to 31", "Pogrešan dan"},
      {"--employer 1 --type 01 --year 2025 --month 11 --from x --to 30", "--from: 'x' nije broj"},
  };
  for (const auto& [options, message] : cases) {
    const std::string target = message.starts_with("Greška kod") ? file + ".nema" : file;
    const auto r =
        runCli("--dir '" + dir.path().string() + "' check-input '" + target + "' " + options);
    EXPECT_EQ(r.exitCode, 2) << options << "\n" << r.output;
    EXPECT_NE(r.output.find(message), std::string::npos) << options << "\n" << r.output;
  }
}

}  // namespace
}  // namespace obrazac
