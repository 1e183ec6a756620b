#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/payment_fixture.h"

namespace obrazac {
namespace {

using testing::runCli;
using testing::TestLine;

class CheckInputCli : public ::testing::Test, protected testing::SampleFolder {
 protected:
  testing::CliResult check(const std::string& file, const std::string& options = "") {
    return runCli("--dir '" + dir.path().string() + "' check-input '" + file +
                  "' --employer 1 --type 01 --year 2025 --month 11 --from 1 --to 30 " + options);
  }
};

TEST_F(CheckInputCli, PrintsTheCountsAndTheFindings) {
  TestLine bad;
  bad.opcina = "0000";
  const auto good = writeInput(testing::paymentFile({TestLine{}}), "dobra.txt");
  const auto mixed = writeInput(testing::paymentFile({TestLine{}, bad}), "greske.txt");

  auto r = check(good.string());
  EXPECT_EQ(r.exitCode, 0) << r.output;
  EXPECT_EQ(r.output,
            "Ukupno obrađeno redaka: 1\n"
            "Retci koji zadovoljavaju kontrolama: 1\n"
            "Podaci sa upozorenjima: 0\n");

  r = check(mixed.string());
  EXPECT_EQ(r.exitCode, 1) << r.output;
  EXPECT_NE(r.output.find("Podaci sa upozorenjima: 1\n"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("    1 " + bad.jmbg + " Nepoznata šifra općine\n"), std::string::npos)
      << r.output;

  r = check(mixed.string(), "--format json");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.output,
            "{\"Ukupno obrađeno redaka\": 2, \"Retci koji zadovoljavaju kontrolama\": 1, "
            "\"Podaci sa upozorenjima\": 1, \"nalazi\": [{\"rb\": 1, \"mbg\": \"" +
                bad.jmbg + "\", \"opis\": \"Nepoznata šifra općine\"}]}\n");

  r = check(mixed.string(), "--format csv");
  EXPECT_EQ(r.output,
            "\"Ukupno obrađeno redaka\",\"Retci koji zadovoljavaju kontrolama\","
            "\"Podaci sa upozorenjima\"\n2,1,1\n\n\"Rb\",\"MBG\",\"Opis\"\n1,\"" +
                bad.jmbg + "\",\"Nepoznata šifra općine\"\n");
}

TEST_F(CheckInputCli, ARunThatCannotRunEndsWithTwo) {
  const auto file = writeInput(testing::paymentFile({TestLine{}})).string();
  const std::pair<std::string, std::string> cases[] = {
      {"--employer 1 --type 01 --year 2025 --month 11 --from 1 --to 30",
       "Greška kod preuzimanja podataka "},
      {"--employer 9 --type 01 --year 2025 --month 11 --from 1 --to 30", "Greška 35"},
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
