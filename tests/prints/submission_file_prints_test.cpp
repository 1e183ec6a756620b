#include "prints/submission_file_prints.h"

#include <gtest/gtest.h>

#include "prints/page_a_print.h"
#include "prints/page_reading.h"
#include "submission/control_number.h"
#include "support/register_fixture.h"
#include "support/sample_submission.h"

namespace obrazac::prints {
namespace {

using namespace obrazac::testing;

class SubmissionFilePrints : public ::testing::Test, protected RegisterFixture {
 protected:
  std::filesystem::path file(const std::vector<std::string>& lines) {
    const auto path = dir / "R1.RM5";
    writeFile(path, joined(lines));
    return path;
  }
  RecordingReporter reporter;
};

TEST_F(SubmissionFilePrints, PageAOfTheFirstFormWithTheFilesControlNumber) {
  const auto path = file(validFile());
  const auto link = preparePageAFromFile(ctx, path, reporter);
  ASSERT_TRUE(link) << ::testing::PrintToString(reporter.messages);
  EXPECT_EQ(*link, "999000101");
  const Pages pages = pageAPrint(ctx, *link, PrintFlag::ControlNumber);
  ASSERT_EQ(pages.size(), 1u);
  const std::string digits = submission::controlNumberOfFile(path).digits;
  std::string group;
  for (char c : digits.substr(30, 10))
    group += group.empty() ? std::string(1, c) : std::string(" ") + c;
  EXPECT_TRUE(hasText(pages[0], group));
  EXPECT_EQ(boxText(pages[0], "I.1"), "001 ");
  EXPECT_EQ(boxText(pages[0], "I.4"), "00002");
  EXPECT_EQ(boxText(pages[0], "III.6 godina"), "2025");

  // A second print of the same file replaces the form rather than adding one.
  ASSERT_TRUE(preparePageAFromFile(ctx, path, reporter));
  EXPECT_EQ(count("A"), 1);
}

TEST_F(SubmissionFilePrints, PagesBOfTheFirstFormOnly) {
  std::vector<std::string> lines = {senderLine()};
  for (auto& l : formLines({{personA(), "HORVAT MARKO"}, {personB(), "KOVAČEVIĆ ANA"}}, "0001"))
    lines.push_back(l);
  for (auto& l : formLines({{personA(), "DRUGI OBRAZAC"}}, "0002")) lines.push_back(l);
  lines.push_back(fileClosingLine(2));
  const auto header = preparePageBFromFile(ctx, file(lines), reporter);
  ASSERT_TRUE(header);
  EXPECT_EQ(header->link, "999000101");
  EXPECT_EQ(header->identifier, "0001");
  EXPECT_EQ(header->obligorNumber, obligorMB().substr(0, 8) + "     ");
  EXPECT_EQ(count("OSI2"), 12);
  const Pages pages = pageBPrint(ctx, *header, PageBOrder::Key);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(hasText(pages[0], "HORVAT MARKO"));
  EXPECT_FALSE(hasText(pages[0], "DRUGI OBRAZAC"));
}

TEST_F(SubmissionFilePrints, FileWithoutRowsPrintsNothing) {
  const auto path = file({senderLine(), fileClosingLine(0)});
  EXPECT_FALSE(preparePageAFromFile(ctx, path, reporter));
  EXPECT_FALSE(preparePageBFromFile(ctx, path, reporter));
  EXPECT_EQ(reporter.messages.back(), "There are no records available to process.");
  EXPECT_FALSE(preparePageBFromFile(ctx, dir / "nema.RM5", reporter));
}

}  // namespace
}  // namespace obrazac::prints
