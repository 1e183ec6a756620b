#include "prints/register_prints.h"

#include <gtest/gtest.h>

#include "prints/list_frame.h"
#include "prints/page_reading.h"
#include "support/register_fixture.h"

namespace obrazac::prints {
namespace {

using testing::hasText;

class RegisterPrints : public ::testing::Test, protected testing::RegisterFixture {
 protected:
  FixedClock clock{Date::fromParts(3, 7, 2025), TimeOfDay::fromParts(9, 5)};
};

TEST_F(RegisterPrints, EmployeesOfAnObligorWithPeriodAndIdentifier) {
  addObligor(1);  // an MBG of zeros is no MBG
  addObligor(2, "01", "00000000", "0101980330011", "OBRT Đurđa");
  addRow(1, {.jmbg = "1111111111111", .firstDay = 1, .lastDay = 31, .month = 3, .year = 2005});
  ctx.closeAll();

  const Pages pages = printOsiguranici(ctx, 1, clock);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(hasText(pages[0], "01.03.2005. - 31.03.2005."));
  EXPECT_TRUE(hasText(pages[0], "12345679 0000,  tel:"));
  EXPECT_TRUE(hasText(pages[0], " 7.03.2025  9:05    "));
  EXPECT_TRUE(hasText(pages[0], "  1,000.00"));

  EXPECT_TRUE(printOsiguranici(ctx, 2, clock).empty()) << "an obligor without employees";
  const Pages obligors = printPoslodavci(ctx, clock);
  ASSERT_EQ(obligors.size(), 1u);
  EXPECT_TRUE(hasText(obligors[0], "0101980330011"));
  EXPECT_TRUE(hasText(obligors[0], "OBRT Đurđa"));
}

// A long name stops before the municipality's column; a blank code of the rates list leaves its
// column empty and the codes after it in line with every other row.
TEST_F(RegisterPrints, ValuesKeepToTheirColumns) {
  addObligor(1);
  addRow(1, {.jmbg = "1111111111111", .name = std::string(36, 'W')});
  ctx.closeAll();
  const Pages employees = printOsiguranici(ctx, 1, clock);
  ASSERT_EQ(employees.size(), 1u);
  const prints::Text *name = nullptr, *area = nullptr;
  for (const auto* t : employees[0].texts()) {
    if (t->text == std::string(36, 'W')) name = t;
    if (t->text == "Općina") area = t;
  }
  ASSERT_TRUE(name && area);
  EXPECT_TRUE(name->clip);
  EXPECT_LT(name->x + name->width, area->x);

  Table& rates = opened("STO1");
  for (const char* staz : {"1", " "}) {
    Record& r = rates.record();
    r.clear();
    set(r, "VRSTOBRACUNA", "01");
    set(r, "VRSTAOBVEZNIKA", "01");
    set(r, "OSNOVOBRA", "01");
    set(r, "STAZ", staz);
    set(r, "CLANDN", "D");
    ASSERT_EQ(rates.add(), 0) << staz;
  }
  ctx.closeAll();
  const Pages list = printObracunskiKoeficijenti(ctx);
  ASSERT_EQ(list.size(), 1u);
  std::vector<double> member;  // where each row's "D" stands
  for (const auto* t : list[0].texts())
    if (t->text == "D") member.push_back(t->x);
  ASSERT_EQ(member.size(), 2u);
  EXPECT_EQ(member[0], member[1]);
}

TEST_F(RegisterPrints, CodeListWrapsItsDescriptionAndBreaksPages) {
  Table& t = opened("VOB");
  for (int k = 10; k < 70; ++k) {
    t.record().clear();
    set(t.record(), "SIFRA", std::to_string(k));
    set(t.record(), "SKROPIS", "Vrsta " + std::to_string(k));
    set(t.record(), "OPIS", std::string(60, 'a') + " " + std::string(60, 'b') + " kraj");
    ASSERT_EQ(t.add(), 0);
  }
  ctx.closeAll();
  const Pages pages = printVrsteObveznika(ctx, clock);
  ASSERT_EQ(pages.size(), 3u);
  for (const Page& p : pages) {
    EXPECT_TRUE(hasText(p, "ŠIFARNIK - VRSTE OBVEZNIKA"));
    EXPECT_TRUE(hasText(p, std::string(60, 'b') + " kraj"));
  }
  EXPECT_TRUE(printStaza(ctx, clock).empty());
}

TEST(WrapText, BreaksAtBlanksAndInsideOverlongWords) {
  const struct {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"kratko", {"kratko"}},
      {"jedan dva tri", {"jedan", "dva tri"}},
      {"abcdefghij", {"abcdefg", "hij"}},
  };
  for (const auto& c : cases) EXPECT_EQ(wrapText(c.text, 7), c.lines) << c.text;
}

}  // namespace
}  // namespace obrazac::prints
