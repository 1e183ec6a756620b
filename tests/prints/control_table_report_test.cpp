#include "prints/control_table_report.h"

#include <gtest/gtest.h>

#include "prints/page_reading.h"
#include "support/register_fixture.h"

namespace obrazac::prints {
namespace {

class ControlTableReport : public ::testing::Test, protected testing::RegisterFixture {
 protected:
  void addRule(std::string_view vob, std::string_view voi, std::string_view oo,
               std::string_view rule) {
    Table& t = opened("VEZ");
    Record& r = t.record();
    r.clear();
    set(r, "VOB", vob);
    set(r, "VOI", voi);
    set(r, "OO", oo);
    for (const char* f : {"OBRMJE", "GODINA", "DANOD", "DANDO", "PLAGOD", "PLAMJE", "IZNOS7",
                          "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"})
      set(r, f, rule);
    ASSERT_EQ(t.add(), 0);
  }

  std::string textCopy() { return testing::readFile(dir / "TEXTSIF.TXT"); }

  RecordingReporter reporter;
};

TEST_F(ControlTableReport, QuotedTextLineAndPrintedLineOfARow) {
  addRule("01", "02", "03", "= 0 ");
  ctx.closeAll();
  const Pages pages = controlTableReport(ctx, reporter);
  std::string expected = "\"01\",\"02\",\"03\"";
  for (int k = 0; k < 11; ++k) expected += ",\"= 0 \"";
  EXPECT_EQ(textCopy(), expected + "\r\n");
  ASSERT_EQ(pages.size(), 1u);
  // The line keeps 60 characters: the last two rules do not fit.
  EXPECT_TRUE(
      testing::hasText(pages[0], "03    = 0  = 0     = 0  = 0     = 0  = 0     = 0  = 0  = 0  "));
  EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(ControlTableReport, BreaksOnKindOfObligorAndOfCalculation) {
  addRule("01", "01", "01", ">0  ");
  addRule("01", "01", "02", ">0  ");
  addRule("01", "02", "01", ">0  ");
  addRule("02", "02", "01", ">0  ");
  ctx.closeAll();
  const auto headings =
      testing::textLines(controlTableReport(ctx, reporter).at(0), FontRole::Heading);
  std::vector<std::string> codes;
  for (const auto& line : headings)
    if (line.size() == 1) codes.push_back(line[0]);
  EXPECT_EQ(codes, (std::vector<std::string>{"01", "01", "02", "02", "02"}));
}

TEST_F(ControlTableReport, EmptyTableEmptiesTheTextCopyAndGivesNoPages) {
  testing::writeFile(dir / "TEXTSIF.TXT", "\"stari\"\r\n");
  EXPECT_TRUE(controlTableReport(ctx, reporter).empty());
  EXPECT_EQ(textCopy(), "");
}

}  // namespace
}  // namespace obrazac::prints
