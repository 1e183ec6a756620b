#include <gtest/gtest.h>

#include "form/page_a.h"
#include "form/page_b.h"
#include "support/register_fixture.h"

namespace obrazac::form {
namespace {

using testing::fieldOf;
using testing::MonthlyRow;
using testing::RegisterFixture;

class Pages : public ::testing::Test, protected RegisterFixture {
 protected:
  void SetUp() override {
    addParameters();
    addObligor(1);
  }

  FormRequest request() { return formRequestOf(header(), "0000000000000"); }

  PageBBuild buildB() { return buildPageBRows(ctx, request(), reporter); }

  // (ordinal, JMBG, first day) of every page B row in page B order.
  std::vector<std::tuple<std::string, std::string, int>> rows() {
    std::vector<std::tuple<std::string, std::string, int>> all;
    forEachFormRow(ctx, request().identity.link, [&](const Record& r) {
      all.emplace_back(fieldOf(r, "RBOSOB"), fieldOf(r, "JMBG"), r.integer(r.index("OBRRAZD1")));
      return true;
    });
    return all;
  }

  RecordingReporter reporter;
};

TEST(PageCount, TwelveRowsAPageAndAtLeastOne) {
  const std::pair<int, int> cases[] = {{0, 1}, {1, 1}, {12, 1}, {13, 2}, {24, 2}, {25, 3}};
  for (const auto& [rows, pages] : cases) EXPECT_EQ(pageCount(rows), pages) << rows;
}

TEST_F(Pages, OrdinalsCountEveryPersonOfTheObligorAndPartsOfAMonthShareOne) {
  addRow(1, {.jmbg = "1111111111111", .firstDay = 1, .lastDay = 15});
  addRow(1, {.jmbg = "1111111111111", .firstDay = 16, .lastDay = 31});
  addRow(1, {.jmbg = "2222222222222", .month = 2});  // no row in the period: a gap
  addRow(1, {.jmbg = "3333333333333"});
  addRow(1, {.jmbg = "4444444444444", .firstDay = 1, .lastDay = 31, .kind = "05"});
  addObligor(2);
  addRow(2, {.jmbg = "0000000000001"});  // another obligor's person counts nowhere here

  const auto b = buildB();
  EXPECT_EQ(b.taken, 3);
  EXPECT_EQ(b.read, 6);  // from the obligor's first row to the end of the table
  EXPECT_EQ(rows(), (std::vector<std::tuple<std::string, std::string, int>>{
                        {"00001", "1111111111111", 1},
                        {"00001", "1111111111111", 16},
                        {"00003", "3333333333333", 1}}));

  ASSERT_TRUE(buildPageA(ctx, request(), reporter).built());
  const Record a = ctx.table("A").record();
  EXPECT_EQ(a.integer(a.index("BROJOSIG")), 2);  // two persons in three rows
  EXPECT_EQ(a.integer(a.index("BROJSTRANA")), 1);
  EXPECT_EQ(fieldOf(a, "KONZNAK"), kControlNumberPlaceholder);
  // Stored only with the control number of its file.
  EXPECT_EQ(count("A"), 0);
  ASSERT_EQ(storePageA(ctx, "0123456789-0123456789-0123456789-0123456789"), 0);
  const Record stored = pageA(request().identity.link);
  EXPECT_EQ(fieldOf(stored, "BROJOSIG"), fieldOf(a, "BROJOSIG"));
  EXPECT_EQ(fieldOf(stored, "KONZNAK"), "0123456789-0123456789-0123456789-0123456789");
}

TEST_F(Pages, APartOfTheMonthTakesOnlyRowsWhollyWithinIt) {
  addRow(1, {.jmbg = "1111111111111", .firstDay = 1, .lastDay = 31});
  addRow(1, {.jmbg = "2222222222222", .firstDay = 3, .lastDay = 15});
  SendingHeader h = header();
  h.firstDay = "1";
  h.lastDay = "15";
  const auto b = buildPageBRows(ctx, formRequestOf(h, "0000000000000"), reporter);
  EXPECT_EQ(b.taken, 1);
}

TEST_F(Pages, PagesOfTwelveThirteenAndTwentyFourRows) {
  for (const auto& [persons, pages] : {std::pair{12, 1}, std::pair{13, 2}, std::pair{24, 2}}) {
    RegisterFixture f;
    f.addParameters();
    f.addObligor(1);
    f.addPersons(1, persons);
    const auto request = formRequestOf(f.header(), "0000000000000");
    ASSERT_EQ(buildPageBRows(f.ctx, request, reporter).taken, persons);
    ASSERT_TRUE(buildPageA(f.ctx, request, reporter).built());
    const Record a = f.ctx.table("A").record();
    EXPECT_EQ(a.integer(a.index("BROJSTRANA")), pages) << persons;
    EXPECT_EQ(a.integer(a.index("BROJOSIG")), persons);
  }
}

TEST_F(Pages, NegativeTotalsAreZeroOnPageAWhileRowsKeepTheirSign) {
  addRow(1, {.jmbg = "1111111111111", .gross = "50.00"});
  addRow(1, {.jmbg = "2222222222222", .gross = "-150.00"});
  ASSERT_EQ(buildB().taken, 2);
  ASSERT_TRUE(buildPageA(ctx, request(), reporter).built());
  const Record a = ctx.table("A").record();
  for (const char* total : {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"})
    EXPECT_EQ(a.decimal(a.index(total)), Decimal()) << total;
  std::vector<std::string> amounts;
  forEachFormRow(ctx, request().identity.link, [&](const Record& r) {
    amounts.push_back(r.decimal(r.index("IZNOS7")).toString(2));
    return true;
  });
  EXPECT_EQ(amounts, (std::vector<std::string>{"50.00", "-150.00"}));
}

TEST_F(Pages, PageAFromTheObligorAndTheLastFormNumberGrows) {
  addObligor(2, "02", "abc", "1403975331017", "PRIMJER obrt");
  addRow(2, {.jmbg = "1111111111111"});
  SendingHeader h = header(2);
  h.formNumber = "7";
  const auto request = formRequestOf(h, "1403975331017");
  ASSERT_EQ(buildPageBRows(ctx, request, reporter).taken, 1);
  ASSERT_TRUE(buildPageA(ctx, request, reporter).built());
  const Record a = ctx.table("A").record();
  EXPECT_EQ(fieldOf(a, "MB01"), "00000000");  // not numeric
  EXPECT_EQ(fieldOf(a, "MB02"), "0000");
  EXPECT_EQ(fieldOf(a, "JMBG"), "1403975331017");
  EXPECT_EQ(fieldOf(a, "OBRMJE") + fieldOf(a, "OBRGOD"), "012025");
  EXPECT_EQ(fieldOf(a, "GODPLA") + fieldOf(a, "MJEPLA"), "202502");
  EXPECT_EQ(reporter.statuses.back(), "1. dio obrade završena. Formiram SHA broj");

  Table& pos = opened("POS");
  pos.record().clear();
  set(pos.record(), "REDBROJ", 2);
  ASSERT_EQ(pos.get("KEYREDBROJ"), 0);
  EXPECT_EQ(pos.record().integer(pos.record().index("IDENTIFIKATOR")), 7);
}

// An obligor without an MB but with a unit: a form of monthly data keeps the unit, a form of
// taken-over data names neither.
TEST_F(Pages, TakenOverDataTakeTheUnitOnlyWithAnMB) {
  addObligor(2, "02", "00000000", "1403975331017", "PRIMJER obrt");
  Table& pos = opened("POS");
  pos.record().clear();
  set(pos.record(), "REDBROJ", 2);
  ASSERT_EQ(pos.get("KEYREDBROJ"), 0);
  set(pos.record(), "MB02", "0001");
  ASSERT_EQ(pos.put(), 0);
  addRow(2, {.jmbg = "1111111111111"});
  const auto request = formRequestOf(header(2), "1403975331017");
  ASSERT_EQ(buildPageBRows(ctx, request, reporter).taken, 1);
  const std::pair<ObligorMB, const char*> cases[] = {{ObligorMB::Numeric, "0001"},
                                                     {ObligorMB::NumericNotZero, "0000"}};
  for (const auto& [rule, unit] : cases) {
    ASSERT_TRUE(buildPageA(ctx, request, reporter, rule).built());
    const Record a = ctx.table("A").record();
    EXPECT_EQ(fieldOf(a, "MB01") + fieldOf(a, "MB02"), std::string("00000000") + unit);
  }
}

TEST_F(Pages, ARunThatTakesNoRowRemovesTheOldRowsAndSaysSo) {
  addRow(1, {.jmbg = "1111111111111"});
  ASSERT_EQ(buildB().taken, 1);
  SendingHeader h = header();
  h.month = "03";
  auto request = formRequestOf(h, "0000000000000");
  request.identity = formRequestOf(header(), "0000000000000").identity;  // the same form
  const auto b = buildPageBRows(ctx, request, reporter);
  EXPECT_EQ(b.taken, 0);
  EXPECT_EQ(reporter.statuses.back(), "Obrada prekinuta. Pročitano=   1 Preuzeto=    0");
  EXPECT_TRUE(rows().empty());
}

TEST_F(Pages, AStoreThatCannotBeOpenedExclusivelyStopsTheBuild) {
  addRow(1, {.jmbg = "1111111111111"});
  Context other(dir.path());
  ASSERT_EQ(other.table("OSI").open(), 0);
  const auto b = buildB();
  EXPECT_FALSE(b.status.ok());
  EXPECT_EQ(reporter.messages, (std::vector<std::string>{"Greška pri otvaranju TBOSIGUR.DAT"}));
}

}  // namespace
}  // namespace obrazac::form
