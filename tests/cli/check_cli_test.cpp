#include <gtest/gtest.h>

#include "check/sample_file.h"
#include "cli/structured_output.h"
#include "support/cli_runner.h"

namespace obrazac::cli {
namespace {

using testing::JsonValue;
using testing::runCliStreams;

class CheckCommand : public ::testing::Test {
 protected:
  void SetUp() override { testing::copySampleInstallation(dir.path()); }
  std::string write(const std::vector<std::string>& lines) {
    const auto file = dir / "VELOR.RM0";
    testing::writeFile(file, testing::joined(lines));
    return file.string();
  }
  testing::CliStreams check(const std::string& args) {
    return runCliStreams("--dir " + dir.path().string() + " check " + args);
  }
  // The sample file with a warning on line 1 and an error on line 5, and an obligor name that
  // needs every kind of escaping: a quote, a comma, a control character, a Croatian letter and a
  // byte Windows-1250 leaves undefined.
  std::string faultyFile() {
    auto lines = testing::validFile();
    testing::setField(lines[0], "RS0OFOR", "RM400");
    testing::setField(lines[1], "RS3NAOB", "Obrt \"Mali\", Zagreb\x01\xC8\x81");
    testing::setField(lines[4], "RS7RBSU", "0002");
    return write(lines);
  }
  testing::TempDir dir;
};

constexpr const char* kObligor = "Obrt \"Mali\", Zagreb\x01Č\u0081";
// The control bytes of that name are an error of their record.
constexpr const char* kControlByteInName =
    "Slog sadrži nedopušten kontrolni znak (U+0001) na mjestu 49";

TEST_F(CheckCommand, ExitsZeroWithoutErrorsOneWithErrorsTwoWhenNotChecked) {
  const auto clean = check(write(testing::validFile()));
  EXPECT_EQ(clean.exitCode, 0) << clean.err;
  EXPECT_EQ(clean.out, "Pročitano redaka: 6, grešaka (F): 0, upozorenja (U): 0\n");
  EXPECT_NE(clean.err.find("Izvršena je kontrola datoteke.\n"), std::string::npos);
  EXPECT_EQ(testing::readFile(dir / "TBIZLAZ2.TXT"), "");

  // A warning alone does not fail the file.
  auto lines = testing::validFile();
  testing::setField(lines[0], "RS0OFOR", "RM400");
  EXPECT_EQ(check(write(lines)).exitCode, 0);

  testing::setField(lines[4], "RS7RBSU", "0002");
  const auto faulty = check(write(lines));
  EXPECT_EQ(faulty.exitCode, 1) << faulty.err;
  EXPECT_EQ(faulty.out,
            "Pročitano redaka: 6, grešaka (F): 1, upozorenja (U): 1\n"
            "    1 RS0OFOR    U Pogrešna oznaka formata\n"
            "    5 RS7RBSU    F Identifikator nije jednak Identifikatoru u slogu tipa 3\n");
  EXPECT_NE(testing::readFile(dir / "TBIZLAZ2.TXT").find("RS7RBSU"), std::string::npos);

  const std::pair<std::filesystem::path, const char*> unreadable[] = {
      {dir / "nema.RM0", "datoteka ne postoji"}, {dir.path(), "to je mapa, a ne datoteka"}};
  for (const auto& [file, reason] : unreadable) {
    const auto refused = check(file.string());
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("Greška kod preuzimanja podataka " + file.string() + ": " + reason),
              std::string::npos)
        << refused.err;
  }
  EXPECT_EQ(check("").exitCode, 2);
  EXPECT_EQ(check(write(lines) + " --format xml").exitCode, 2);
}

// A file that is no submission file fails with its errors, never passes as one without any.
TEST_F(CheckCommand, AFileThatIsNoSubmissionFileExitsOne) {
  const std::string payroll(194, '1');
  auto valid = testing::validFile();
  const auto unclosed = std::vector<std::string>(valid.begin(), valid.end() - 2);
  valid[2] += "X";
  const std::pair<std::string, const char*> cases[] = {
      {"", "Pročitano redaka: 0, grešaka (F): 1"},
      {std::string(300, '\0'), "Pročitano redaka: 1, grešaka (F): 4"},
      {payroll + "\r\n" + payroll + "\r\n", "Pročitano redaka: 2, grešaka (F): 4"},
      {testing::joined(unclosed), "Pročitano redaka: 4, grešaka (F): 2"},
      {testing::joined(valid), "Pročitano redaka: 6, grešaka (F): 1"},
  };
  for (const auto& [bytes, counts] : cases) {
    const auto file = dir / "ULAZ.TXT";
    testing::writeFile(file, bytes);
    const auto run = check(file.string());
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.out.rfind(counts, 0), 0u) << run.out;
  }
}

TEST_F(CheckCommand, JsonIsOneDocumentWithTheCountsAndEveryFinding) {
  const auto clean = check(write(testing::validFile()) + " --format json");
  EXPECT_EQ(clean.exitCode, 0) << clean.err;
  const auto empty = testing::parseJson(clean.out);
  ASSERT_TRUE(empty) << clean.out;
  EXPECT_EQ(empty->keys, (std::vector<std::string>{"lines", "errors", "warnings", "findings"}));
  EXPECT_EQ(empty->at("lines").text, "6");
  EXPECT_EQ(empty->at("findings").kind, JsonValue::Kind::Array);
  EXPECT_TRUE(empty->at("findings").items.empty());

  const auto faulty = check(faultyFile() + " --format json");
  EXPECT_EQ(faulty.exitCode, 1) << faulty.err;
  const auto doc = testing::parseJson(faulty.out);
  ASSERT_TRUE(doc) << faulty.out;
  EXPECT_EQ(doc->at("errors").text, "2");
  EXPECT_EQ(doc->at("warnings").text, "1");
  const auto& findings = doc->at("findings").items;
  ASSERT_EQ(findings.size(), 3u) << faulty.out;
  EXPECT_EQ(findings[1].at("message").text, kControlByteInName);
  const auto& f = findings[2];
  EXPECT_EQ(f.keys, (std::vector<std::string>{"line", "field", "type", "context", "message"}));
  EXPECT_EQ(f.at("line").text, "5");
  EXPECT_EQ(f.at("field").text, "RS7RBSU");
  EXPECT_EQ(f.at("type").text, "F");
  EXPECT_EQ(f.at("context").text, kObligor);
  EXPECT_EQ(f.at("message").text, "Identifikator nije jednak Identifikatoru u slogu tipa 3");
  EXPECT_EQ(findings[0].at("context").text, "Slog tipa 0");
  EXPECT_EQ(findings[0].at("type").text, "U");
}

TEST_F(CheckCommand, CsvIsOneHeaderAndOneRowPerFinding) {
  const auto clean = check(write(testing::validFile()) + " --format csv");
  EXPECT_EQ(clean.exitCode, 0);
  EXPECT_EQ(clean.out, "line,field,type,context,message\n");
  EXPECT_NE(clean.err.find("Pročitano redaka: 6"), std::string::npos) << clean.err;

  const auto faulty = check(faultyFile() + " --format csv");
  const auto rows = testing::parseCsv(faulty.out);
  ASSERT_TRUE(rows) << faulty.out;
  EXPECT_EQ(*rows, (testing::CsvRows{
                       {"line", "field", "type", "context", "message"},
                       {"1", "RS0OFOR", "U", "Slog tipa 0", "Pogrešna oznaka formata"},
                       {"2", "ZNAK", "F", "Struktura datoteke", kControlByteInName},
                       {"5", "RS7RBSU", "F", kObligor,
                        "Identifikator nije jednak Identifikatoru u slogu tipa 3"},
                   }));
}

}  // namespace
}  // namespace obrazac::cli
