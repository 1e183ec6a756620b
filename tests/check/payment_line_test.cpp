#include "check/payment_line.h"

#include <gtest/gtest.h>

#include <functional>

#include "check/line_selection.h"
#include "data/dictionary.h"
#include "data/text_table.h"
#include "support/payment_fixture.h"

namespace obrazac::check {
namespace {

using testing::TestLine;

Decimal money(const char* text) {
  return *Decimal::parse(text);
}

TEST(PaymentLine, FieldsFallAtTheirColumnsAndKeepTheirText) {
  TestLine written;
  written.name = "KOVAČEVIĆ ANA";
  written.from = " 1";
  written.iv9 = "-00000000012345";
  const PaymentLine line = paymentLineFromText(written.text());
  EXPECT_EQ(line.mb, written.mb);
  EXPECT_EQ(line.vrstaupla, "01");
  EXPECT_EQ(line.jmbg, written.jmbg);
  EXPECT_EQ(line.prezime, padRight(cp1250("KOVAČEVIĆ ANA"), 50));
  EXPECT_EQ(line.osnova3, " ");
  EXPECT_EQ(line.amountField(9), "-00000000012345");
  EXPECT_EQ(line.year, 2025);
  EXPECT_EQ(line.month, 11);
  EXPECT_EQ(line.firstDay, 1);
  EXPECT_EQ(line.lastDay, 30);
  EXPECT_EQ(line.amount(7), money("1850.00"));
  EXPECT_EQ(line.amount(9), money("-123.45"));

  // Through the text-file table of TBUPLATE.DAT the same line reads the same.
  const TextTable table(*tableByPrefix("OSI1"), "TBUPLATE.DAT");
  Record r(*tableByPrefix("OSI1"));
  table.recordFromLine(written.text(), r);
  const PaymentLine viaRecord = paymentLineOf(r);
  EXPECT_EQ(viaRecord.prezime, line.prezime);
  EXPECT_EQ(viaRecord.amounts, line.amounts);
  EXPECT_EQ(viaRecord.amountText, line.amountText);
}

TEST(PaymentLine, AShortOrBrokenLineReadsAsItFalls) {
  PaymentLine line = paymentLineFromText("00001123");
  EXPECT_EQ(line.mb, "123         ");
  EXPECT_EQ(line.jmbg, std::string(13, ' '));
  EXPECT_EQ(line.amounts, ItemAmounts{});
  EXPECT_EQ(line.year, 0);

  line = paymentLineFromText(std::string(10'000, 'x'));
  EXPECT_EQ(line.amountField(11), std::string(15, 'x'));
  EXPECT_EQ(line.amount(11), Decimal());
}

TEST(PaymentLine, AmountsReadAsThePictureTakesThem) {
  const std::pair<const char*, const char*> cases[] = {
      {"+00000000012345", "123.45"},
      {"-00000000012345", "-123.45"},
      {" 00000000012345", "123.45"},
      {"000000000012345", "123.45"},
      {"+99999999999999", "999999999999.99"},
      {"         -12345", "-123.45"},
      {"+0000000001850A", "18.50"},
      {"               ", "0"},
      {"abc", "0"},
  };
  for (const auto& [field, value] : cases) EXPECT_EQ(readLineAmount(field), money(value)) << field;
}

TEST(PaymentLine, NumbersReadTheirValue) {
  const std::pair<const char*, int> cases[] = {{"2025", 2025}, {"05", 5}, {" 5", 5}, {"5 ", 5},
                                               {"  ", 0},      {"x1", 0}, {"-1", -1}};
  for (const auto& [field, value] : cases) EXPECT_EQ(readLineNumber(field), value) << field;
}

TEST(PaymentLine, APersonRowTakesTheChosenPeriod) {
  TestLine written;
  written.year = "2019";
  written.name = std::string(50, 'N');
  const PaymentLine line = paymentLineFromText(written.text());
  Record row(*tableByPrefix("OSI3"));
  fillPersonRow(row, line, 2025, 11, "01");
  EXPECT_EQ(row.integer(row.index("GODOBRA")), 2025);
  EXPECT_EQ(row.integer(row.index("OBRMJE")), 11);
  EXPECT_EQ(row.text(row.index("PREZIME")), std::string(50, 'N') + std::string(10, ' '));
  EXPECT_EQ(row.integer(row.index("OBRRAZD2")), 30);
  EXPECT_EQ(row.decimal(row.index("IZNOS9")), money("277.50"));
  EXPECT_EQ(row.text(row.index("VRSUPL")), "01");
}

// ---------------------------------------------------------------------------------------------

class PaymentLineSelection : public ::testing::Test {
 protected:
  LineSelection selection() const {
    return {{sampleMB(1234567), "0000", "0000000000000"}, "01", 2025, 11, 1, 30};
  }
  static bool selected(const LineSelection& s, const TestLine& written) {
    return lineSelected(s, paymentLineFromText(written.text()));
  }
};

TEST_F(PaymentLineSelection, EveryConditionMustHold) {
  struct Case {
    const char* name;
    std::function<void(TestLine&)> change;
    bool selected;
  };
  const std::vector<Case> cases = {
      {"the employer's line", [](TestLine&) {}, true},
      {"other MB", [](TestLine& l) { l.mb = sampleMB(7654321) + "0000"; }, false},
      {"other unit", [](TestLine& l) { l.mb.replace(8, 4, "0001"); }, false},
      {"other MBG", [](TestLine& l) { l.mb2 = sampleJmbg(14, 3, 1975, 33, 101); }, false},
      {"other year", [](TestLine& l) { l.year = "2024"; }, false},
      {"other month", [](TestLine& l) { l.month = "10"; }, false},
      {"first day written with a blank", [](TestLine& l) { l.from = " 1"; }, true},
      {"first day before the range", [](TestLine& l) { l.from = "00"; }, false},
      {"last day after the range", [](TestLine& l) { l.to = "31"; }, false},
      {"days on the bounds", [](TestLine& l) { l.from = l.to = "30"; }, true},
      {"other kind of payment", [](TestLine& l) { l.voi = "03"; }, false},
      {"kind of payment without its zero", [](TestLine& l) { l.voi = "1"; }, false},
  };
  for (const auto& c : cases) {
    TestLine written;
    c.change(written);
    EXPECT_EQ(selected(selection(), written), c.selected) << c.name;
  }
}

TEST_F(PaymentLineSelection, ADayRangeOfZeroTakesOnlyLinesWithoutDays) {
  LineSelection s = selection();
  s.firstDay = s.lastDay = 0;
  EXPECT_FALSE(selected(s, TestLine{}));
  EXPECT_TRUE(selected(s, TestLine{.from = "00", .to = "00"}));
  EXPECT_TRUE(selected(s, TestLine{.from = "  ", .to = "  "}));
  EXPECT_FALSE(selected(s, TestLine{.from = "00", .to = "01"}));
}

TEST_F(PaymentLineSelection, IdentifiersThatAreNoNumbersCompareAsZeros) {
  // An obligor without an MB takes the lines with a blank or lettered MB.
  Record pos(*tableByPrefix("POS"));
  pos.setText(pos.index("MB01"), "");
  pos.setText(pos.index("MB02"), "ab");
  pos.setText(pos.index("JMBG"), sampleJmbg(14, 3, 1975, 33, 101));
  LineSelection s = selection();
  s.employer = employerIdentityOf(pos);
  EXPECT_EQ(s.employer.mb, "00000000");
  EXPECT_EQ(s.employer.unit, "0000");

  TestLine written;
  written.mb2 = sampleJmbg(14, 3, 1975, 33, 101);
  for (const char* mb : {"", "00000000    ", "ABCDEFGHIJKL", "000000000000"}) {
    written.mb = mb;
    EXPECT_TRUE(selected(s, written)) << mb;
  }
  written.mb = sampleMB(1234567) + "0000";
  EXPECT_FALSE(selected(s, written));
}

TEST(PaymentType, WrittenAsTwoDigits) {
  EXPECT_EQ(twoDigitPaymentType("1"), "01");
  EXPECT_EQ(twoDigitPaymentType("01"), "01");
  EXPECT_EQ(twoDigitPaymentType("99"), "99");
  EXPECT_EQ(twoDigitPaymentType("A"), "A ");
}

}  // namespace
}  // namespace obrazac::check
