#include "codelists/control_bounds.h"

#include <gtest/gtest.h>

#include "data/dictionary.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

Decimal dec(std::string_view text) {
  return *Decimal::parse(text);
}

TEST(ControlRules, EachRuleStandsForItsRange) {
  struct Case {
    std::string_view field;
    ControlValue value;
    std::optional<Range> range;
  } cases[] = {
      {"= 0 ", ControlValue::Month, Range{dec("0"), dec("0")}},
      {">=0 ", ControlValue::Month, Range{dec("0"), dec("12")}},
      {">0  ", ControlValue::PaymentMonth, Range{dec("1"), dec("12")}},
      {"= 0 ", ControlValue::Year, Range{dec("0"), dec("0")}},
      {">=0 ", ControlValue::Year, Range{dec("2004"), dec("2006")}},
      {">0  ", ControlValue::PaymentYear, Range{dec("2004"), dec("2006")}},
      {">=0 ", ControlValue::FirstDay, Range{dec("0"), dec("31")}},
      {">0  ", ControlValue::LastDay, Range{dec("1"), dec("31")}},
      {"= 0 ", ControlValue::Amount7, Range{dec("0"), dec("0")}},
      {">=0 ", ControlValue::Amount9, Range{dec("0"), dec("999999999999999")}},
      {">0  ", ControlValue::Amount11, Range{dec("0.01"), dec("999999999999999")}},
      {">0", ControlValue::Month, Range{dec("1"), dec("12")}},  // the stored padding is not needed
      {"    ", ControlValue::Month, std::nullopt},
      {" >0 ", ControlValue::Month, std::nullopt},
      {"=0  ", ControlValue::Amount8, std::nullopt},
      {"<0  ", ControlValue::Amount8, std::nullopt},
  };
  for (const auto& c : cases) {
    const ControlRule rule = parseControlRule(c.field);
    EXPECT_EQ(ruleRange(rule, c.value, 2005), c.range)
        << "'" << c.field << "' " << controlField(c.value);
  }
  EXPECT_EQ(ruleText(parseControlRule(">0  ")), ">0");
  EXPECT_EQ(ruleText(parseControlRule("= 0 ")), "= 0");
  EXPECT_EQ(ruleText(parseControlRule("xx")), "");
}

TEST(ControlRules, AmountsWithTheZeroAmountException) {
  Record vez(*tableByPrefix("VEZ"));
  vez.setText(vez.index("IZNOS7"), ">0  ");
  vez.setText(vez.index("IZNOS8"), ">=0 ");
  vez.setText(vez.index("IZNOS9"), "= 0 ");
  const ControlBounds bounds(vez, FixedClock(Date::fromParts(6, 15, 2005)));
  struct Case {
    int item;
    std::string_view amount, elsewhere;
    AmountVerdict verdict;
  } cases[] = {
      {7, "0.01", "0", AmountVerdict::Within},
      {7, "0", "0", AmountVerdict::Outside},
      {7, "0", "12.50", AmountVerdict::Excepted},
      {7, "-1", "12.50", AmountVerdict::Outside},  // only an amount of exactly 0 is excused
      {8, "0", "0", AmountVerdict::Within},
      {8, "-0.01", "5", AmountVerdict::Outside},
      {9, "0.01", "5", AmountVerdict::Outside},  // the exception belongs to rules above zero
      {10, "-5", "0", AmountVerdict::Unchecked},
  };
  for (const auto& c : cases)
    EXPECT_EQ(bounds.judgeAmount(amountItem(c.item), dec(c.amount), dec(c.elsewhere)), c.verdict)
        << c.item << " " << c.amount << " " << c.elsewhere;
}

TEST(ControlRules, LookupFindsOnlyItsOwnCombination) {
  testing::TempDir dir;
  Context ctx(dir.path());
  Table& t = ctx.table("VEZ");
  ASSERT_EQ(t.open(), 0);
  Record& r = t.record();
  r.clear();
  r.setText(r.index("VOB"), "01");
  r.setText(r.index("VOI"), "01");
  r.setText(r.index("OO"), "01");
  r.setText(r.index("OBRMJE"), ">0  ");
  ASSERT_EQ(t.add(), 0);

  const FixedClock clock(Date::fromParts(6, 15, 2005));
  ASSERT_EQ(findControlRow(ctx, "01", "01", "01"), 0);
  EXPECT_FALSE(ControlBounds(t.record(), clock).permits(ControlValue::Month, 0));

  // No row: nothing of the row found before may remain in the buffer the bounds come from.
  EXPECT_EQ(findControlRow(ctx, "01", "01", "02"), err::kRecordNotFound);
  EXPECT_EQ(ControlBounds(t.record(), clock).rule(ControlValue::Month), ControlRule::None);
  EXPECT_TRUE(ControlBounds().permits(ControlValue::Month, -7));
}

TEST(PersonAmountMemory, RemembersThePersonsLastPositiveAmounts) {
  PersonAmountMemory memory;
  const auto row = [](std::string_view a7, std::string_view a8) {
    return ItemAmounts{dec(a7), dec(a8), {}, {}, {}};
  };
  memory.take("1503975123451", row("100", "80"));
  memory.take("1503975123451", row("0", "-3"));  // zero and negative amounts leave the memory
  EXPECT_EQ(memory.remembered(7), dec("100"));
  EXPECT_EQ(memory.remembered(8), dec("80"));
  memory.take("1503975123451", row("40", "0"));
  EXPECT_EQ(memory.remembered(7), dec("40"));

  memory.take("0101980330001", row("0", "0"));  // another person starts from nothing
  EXPECT_EQ(memory.remembered(7), dec("0"));
  EXPECT_EQ(memory.remembered(8), dec("0"));

  memory.take("0101980330001", row("5", "0"));
  memory.forget();  // a new form
  memory.take("0101980330001", row("0", "0"));
  EXPECT_EQ(memory.remembered(7), dec("0"));
}

}  // namespace
}  // namespace obrazac
