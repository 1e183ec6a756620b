#include "prints/page_a_print.h"

#include <gtest/gtest.h>

#include "prints/page_reading.h"
#include "support/register_fixture.h"

namespace obrazac::prints {
namespace {

using testing::boxText;
using testing::hasText;

struct FormValues {
  std::string identifier = "0011234";
  std::string mb = "12345679", unit = "0001", mbg = "0000000000000";
  std::string total = "1234.5";
};

class PageAPrint : public ::testing::Test, protected testing::RegisterFixture {
 protected:
  void addForm(std::string_view link, const FormValues& v = {}) {
    Table& t = opened("A");
    Record& r = t.record();
    r.clear();
    set(r, "IDENTIFIKATOR", v.identifier);
    set(r, "KONVEZA", link);
    set(r, "OBRMJE", "11");
    set(r, "OBRGOD", "2025");
    set(r, "VRSUPLA", "01");
    set(r, "BROJOSIG", 14);
    set(r, "BROJSTRANA", 2);
    set(r, "MB01", v.mb);
    set(r, "MB02", v.unit);
    set(r, "JMBG", v.mbg);
    set(r, "NAZIV", "PRIMJER d.o.o. Čakovec");
    set(r, "VRSTOBVEZNIKA", "01");
    for (const char* f : {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"})
      r.setDecimal(r.index(f), *Decimal::parse(v.total));
    set(r, "KONZNAK", "0123456789-ABCDEF0123-456789ABCD-EF01234567");
    set(r, "GODPLA", "2025");
    set(r, "MJEPLA", "12");
    ASSERT_EQ(t.add(), 0);
  }

  Page only(std::string_view link, PrintFlag flag) {
    ctx.closeAll();
    Pages pages = pageAPrint(ctx, link, flag);
    EXPECT_EQ(pages.size(), 1u);
    return pages.empty() ? Page{} : pages.front();
  }
};

TEST_F(PageAPrint, FlagChoosesBetweenControlNumberAndPageCount) {
  addForm("001123401");
  const Page withNumber = only("001123401", printFlagOf('D'));
  EXPECT_EQ(boxText(withNumber, "I.5"), "     ");
  EXPECT_EQ(boxText(withNumber, "I.4"), "00014");
  EXPECT_TRUE(hasText(withNumber, "0 1 2 3 4 5 6 7 8 9"));
  EXPECT_TRUE(hasText(withNumber, "E F 0 1 2 3 4 5 6 7"));

  const Page withCount = only("001123401", printFlagOf('N'));
  EXPECT_EQ(boxText(withCount, "I.5"), "00002");
  EXPECT_FALSE(hasText(withCount, "0 1 2 3 4 5 6 7 8 9"));
  EXPECT_FALSE(hasText(withCount, " - "));
}

TEST_F(PageAPrint, BoxesOfIdentifierObligorAndTotals) {
  struct Case {
    FormValues values;
    std::string id, mb, unit, mbg;
  } cases[] = {
      {{.identifier = "0010123"}, "123 ", "12345679", "0001", "             "},
      {{.identifier = "0011234", .unit = "0000"}, "1234", "12345679", "    ", "             "},
      {{.mb = "00000000", .mbg = "0101980330011"}, "1234", "        ", "    ", "0101980330011"},
  };
  int n = 0;
  for (const auto& c : cases) {
    const std::string link = "00" + std::to_string(n++) + "000001";
    addForm(link, c.values);
    const Page page = only(link, PrintFlag::ControlNumber);
    EXPECT_EQ(boxText(page, "I.1"), c.id) << link;
    EXPECT_EQ(boxText(page, "II.1"), c.mb) << link;
    EXPECT_EQ(boxText(page, "II.1 jedinica"), c.unit) << link;
    EXPECT_EQ(boxText(page, "II.2"), c.mbg) << link;
    EXPECT_EQ(boxText(page, "III.1"), "     1234,50") << link;
    EXPECT_EQ(boxText(page, "III.6 godina") + "." + boxText(page, "III.6 mjesec"), "2025.12");
    EXPECT_TRUE(hasText(page, "PRIMJER d.o.o. Čakovec"));
  }
}

TEST_F(PageAPrint, ATotalKeepsItsSignInTheBoxBeforeItsFirstDigit) {
  const std::pair<const char*, const char*> cases[] = {
      {"-5950", "    -5950,00"},        {"-0.5", "       -0,50"},         {"5950", "     5950,00"},
      {"999999999.99", "999999999,99"}, {"-99999999.99", "-99999999,99"}, {"0", "        0,00"},
  };
  int n = 0;
  for (const auto& [total, boxes] : cases) {
    const std::string link = "00" + std::to_string(n++) + "000001";
    addForm(link, {.total = total});
    const Page page = only(link, PrintFlag::ControlNumber);
    for (const char* item : {"III.1", "III.3", "III.5"})
      EXPECT_EQ(boxText(page, item), boxes) << total << " " << item;
  }
}

TEST_F(PageAPrint, CollectivePrintSkipsListedFormsThatAreGone) {
  addForm("001000101");
  addForm("001000301");
  Table& tbt = opened("TBT");
  for (const char* link : {"001000101", "001000201", "001000301"}) {
    tbt.record().clear();
    set(tbt.record(), "IDENTIFIKATOR", link);
    ASSERT_EQ(tbt.add(), 0);
  }
  ctx.closeAll();
  EXPECT_EQ(pageAPrintCollective(ctx, PrintFlag::PageCount).size(), 2u);
  EXPECT_TRUE(pageAPrint(ctx, "001000201", PrintFlag::PageCount).empty());
}

}  // namespace
}  // namespace obrazac::prints
