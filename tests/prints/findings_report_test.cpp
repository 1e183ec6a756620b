#include "prints/findings_report.h"

#include <gtest/gtest.h>

#include "check/formal_control.h"
#include "check/sample_file.h"
#include "prints/page_reading.h"
#include "support/register_fixture.h"
#include "support/sample_submission.h"

namespace obrazac::prints {
namespace {

using namespace obrazac::testing;

class FindingsReport : public ::testing::Test, protected RegisterFixture {
 protected:
  void check(std::vector<std::string> lines) {
    copySampleInstallation(dir.path());
    writeFile(dir / "R1.RM5", joined(lines));
    const FixedClock clock(sampleSendingDate());
    const auto outcome = check::runFormalControl(ctx, dir / "R1.RM5", clock, reporter);
    ASSERT_TRUE(outcome.status.ok()) << outcome.status.text();
    ctx.closeAll();
  }
  RecordingReporter reporter;
};

TEST_F(FindingsReport, HeaderFromTheFilesFirstLinesAndABlockPerFinding) {
  auto lines = validFile();
  lines[3].replace(5, 13, "1234567890123");  // line 4: a person number that fails its check digit
  check(lines);
  const Pages pages = findingsReport(ctx);
  ASSERT_FALSE(pages.empty());
  EXPECT_TRUE(
      hasText(pages[0], "Vrsta obračuna: 01  Vrsta obveznika: 01  Mjesec i godina: 112025"));
  bool lineFour = false;
  for (const auto& line : textLines(pages[0], FontRole::FixedSmall))
    lineFour = lineFour || line.front() == "    4";
  EXPECT_TRUE(lineFour);
}

TEST_F(FindingsReport, NoFindingsNoPages) {
  check(validFile());
  EXPECT_TRUE(findingsReport(ctx).empty());
}

}  // namespace
}  // namespace obrazac::prints
