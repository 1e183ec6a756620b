#include "prints/page_b_print.h"

#include <gtest/gtest.h>

#include "prints/page_reading.h"
#include "support/register_fixture.h"

namespace obrazac::prints {
namespace {

constexpr std::string_view kLink = "001100101";

struct Row {
  std::string jmbg, name;
  int firstDay = 1, lastDay = 30;
};

// Page B rows of one form in a working folder of their own.
class Sheet : public testing::RegisterFixture {
 public:
  void addRows(const std::vector<Row>& rows) {
    Table& t = opened("OSI");
    for (const Row& row : rows) {
      Record& r = t.record();
      r.clear();
      set(r, "JMBG", row.jmbg);
      set(r, "PREZIME", row.name);
      set(r, "OPCINA", "1333");
      set(r, "OSNOVA1", "01");
      set(r, "OBRRAZD1", row.firstDay);
      set(r, "OBRRAZD2", row.lastDay);
      set(r, "GODOBRA", 2025);
      set(r, "IDENTIFIKATOR", "0011001");
      set(r, "KONVEZA", kLink);
      r.setDecimal(r.index("IZNOS7"), *Decimal::parse("-1234567"));
      ASSERT_EQ(t.add(), 0);
    }
    ctx.closeAll();
  }

  void addPersons(int n) {
    std::vector<Row> rows;
    for (int i = 0; i < n; ++i) rows.push_back({std::to_string(1000000000000 + i), "OSOBA"});
    addRows(rows);
  }

  Pages print(PageBOrder order) {
    EXPECT_EQ(fillPageBPrintTable(ctx, kLink, order), 0);
    return pageBPrint(
        ctx, {.link = std::string(kLink), .obligorNumber = "12345679 ", .identifier = "1001"},
        order);
  }

  // Number, MBG and name of every printed row of every page.
  static std::vector<std::vector<std::string>> rows(const Pages& pages) {
    std::vector<std::vector<std::string>> all;
    for (const Page& p : pages)
      for (auto& line : testing::textLines(p, FontRole::FixedSmall)) {
        if (line.size() == 12) line.insert(line.begin(), "");  // no person number
        all.push_back({line[0], line[1], line[2]});
      }
    return all;
  }
};

TEST(PageBPrint, TwelveRowsAPageFillersCompleteTheLast) {
  const struct { int persons, pages, tableRows; } cases[] = {{12, 1, 12}, {13, 2, 24}, {1, 1, 12}};
  for (const auto& c : cases) {
    Sheet s;
    s.addPersons(c.persons);
    const Pages pages = s.print(PageBOrder::Key);
    EXPECT_EQ(pages.size(), static_cast<std::size_t>(c.pages)) << c.persons;
    EXPECT_EQ(s.count("OSI2"), c.tableRows) << c.persons;
    EXPECT_EQ(Sheet::rows(pages).size(), static_cast<std::size_t>(c.persons))
        << "fillers print blank";
    EXPECT_TRUE(testing::hasText(
        pages.back(), "Broj stranice: " + std::string(c.pages == 2 ? "00002" : "00001")));
  }
}

TEST(PageBPrint, PersonNumberOnAPersonsFirstRowOnly) {
  Sheet s;
  s.addRows({{"2222222222222", "BABIĆ IVO", 1, 10},
             {"2222222222222", "BABIĆ IVO", 11, 20},
             {"2222222222222", "BABIĆ IVO", 21, 30},
             {"1111111111111", "ANIĆ ANA"}});
  const auto printed = Sheet::rows(s.print(PageBOrder::Key));
  const std::vector<std::vector<std::string>> expected = {{"   1", "1111111111111", "ANIĆ ANA"},
                                                          {"   2", "2222222222222", "BABIĆ IVO"},
                                                          {"", "2222222222222", "BABIĆ IVO"},
                                                          {"", "2222222222222", "BABIĆ IVO"}};
  EXPECT_EQ(printed, expected);
}

TEST(PageBPrint, AlphabeticalPrintNumbersInNameOrderWithFillersLast) {
  Sheet s;
  s.addRows({{"1111111111111", "ŽUŽIĆ ŽELJKO"},
             {"2222222222222", "ČAČIĆ ANA"},
             {"3333333333333", "ANIĆ IVO"}});
  const Pages pages = s.print(PageBOrder::Alphabetical);
  ASSERT_EQ(pages.size(), 1u);
  const std::vector<std::vector<std::string>> expected = {
      {"   1", "3333333333333", "ANIĆ IVO"},
      {"   2", "2222222222222", "ČAČIĆ ANA"},
      {"   3", "1111111111111", "ŽUŽIĆ ŽELJKO"}};
  EXPECT_EQ(Sheet::rows(pages), expected);
  EXPECT_TRUE(testing::hasText(pages[0], "MB/MBG obveznika 12345679     "));
}

TEST(PageBPrint, AmountsAndDaysInTheirPictures) {
  Sheet s;
  s.addRows({{"1111111111111", "ANIĆ ANA", 1, 9}});
  const auto lines = testing::textLines(s.print(PageBOrder::Key).front(), FontRole::FixedSmall);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0][6], "01");
  EXPECT_EQ(lines[0][7], "09");
  EXPECT_EQ(lines[0][8], "-1234.567,00");
}

TEST(PageBPrint, NoRowsNoPages) {
  Sheet s;
  EXPECT_TRUE(s.print(PageBOrder::Key).empty());
  EXPECT_EQ(obligorNumber("0000000000000", "12345679", "0003"), "123456790003 ");
  EXPECT_EQ(obligorNumber("0101980330011", "00000000", "0000"), "0101980330011");
}

}  // namespace
}  // namespace obrazac::prints
