#include <gtest/gtest.h>

#include "check/sample_file.h"
#include "support/cli_runner.h"

namespace obrazac::cli {
namespace {

using testing::runCli;

class CheckCommand : public ::testing::Test {
 protected:
  void SetUp() override { testing::copySampleInstallation(dir.path()); }
  std::string write(const std::vector<std::string>& lines) {
    const auto file = dir / "VELOR.RM0";
    testing::writeFile(file, testing::joined(lines));
    return file.string();
  }
  testing::CliResult check(const std::string& args) {
    return runCli("--dir " + dir.path().string() + " check " + args);
  }
  testing::TempDir dir;
};

TEST_F(CheckCommand, ExitsZeroWithoutErrorsOneWithErrorsTwoWhenNotChecked) {
  const auto clean = check(write(testing::validFile()));
  EXPECT_EQ(clean.exitCode, 0) << clean.output;
  EXPECT_EQ(clean.output,
            "Izvršena je kontrola datoteke.\n"
            "Pročitano redaka: 6, grešaka (F): 0, upozorenja (U): 0\n");
  EXPECT_EQ(testing::readFile(dir / "TBIZLAZ2.TXT"), "");

  // A warning alone does not fail the file.
  auto lines = testing::validFile();
  testing::setField(lines[0], "RS0OFOR", "RM400");
  EXPECT_EQ(check(write(lines)).exitCode, 0);

  testing::setField(lines[4], "RS7RBSU", "0002");
  const auto faulty = check(write(lines));
  EXPECT_EQ(faulty.exitCode, 1) << faulty.output;
  EXPECT_EQ(faulty.output,
            "Izvršena je kontrola datoteke.\n"
            "Pročitano redaka: 6, grešaka (F): 1, upozorenja (U): 1\n"
            "    1 RS0OFOR    U Pogrešna oznaka formata\n"
            "    5 RS7RBSU    F Identifikator nije jednak Identifikatoru u slogu tipa 3\n");
  EXPECT_NE(testing::readFile(dir / "TBIZLAZ2.TXT").find("RS7RBSU"), std::string::npos);

  const auto missing = check((dir / "nema.RM0").string());
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.output.find("Greška kod preuzimanja podataka "), std::string::npos);
  EXPECT_EQ(check("").exitCode, 2);
}

TEST_F(CheckCommand, CsvAndJsonCarryContextAndMessageInUtf8) {
  auto lines = testing::validFile();
  testing::setField(lines[4], "RS7RBSU", "0002");
  const std::string file = write(lines);
  EXPECT_EQ(check(file + " --format csv").output,
            "Izvršena je kontrola datoteke.\n"
            "redak,kolona,tip,kontekst,poruka\n"
            "5,\"RS7RBSU\",F,\"PRIMJER d.o.o. Čakovec\",\"Identifikator nije jednak "
            "Identifikatoru u slogu tipa 3\"\n");
  EXPECT_EQ(check(file + " --format json").output,
            "Izvršena je kontrola datoteke.\n"
            "{\"redak\":5,\"kolona\":\"RS7RBSU\",\"tip\":\"F\",\"kontekst\":\"PRIMJER d.o.o. "
            "Čakovec\",\"poruka\":\"Identifikator nije jednak Identifikatoru u slogu tipa 3\"}\n");
  EXPECT_EQ(check(file + " --format xml").exitCode, 2);
}

}  // namespace
}  // namespace obrazac::cli
