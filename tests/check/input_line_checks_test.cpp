#include "check/input_line_checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/payment_fixture.h"

namespace obrazac::check {
namespace {

using testing::amountField;
using testing::TestLine;

const FixedClock kClock(Date::fromParts(12, 15, 2025));

class InputLineChecks : public ::testing::Test, protected testing::SampleFolder {
 protected:
  LineCheckSettings settings(std::string voi = "01", int month = 11, int year = 2025) {
    return {"01", std::move(voi), year, month};
  }

  // The findings of one line checked on its own (the person memory holds only this line).
  LineCheckResult run(const TestLine& written, LinePath path = LinePath::InputCheck,
                      LineCheckSettings s = {}) {
    if (s.obligorType.empty()) s = settings();
    LineChecker checker(ctx, kClock, path, s);
    const PaymentLine line = paymentLineFromText(written.text());
    PersonAmountMemory person;
    person.take(line.jmbg, line.amounts);
    return checker.check(line, person);
  }

  static std::vector<int> numbers(const LineCheckResult& r) {
    std::vector<int> n;
    for (const auto& f : r.findings) n.push_back(f.check);
    return n;
  }

  // Changes one rule of the control row 01/01/01 of the sample.
  void setRule(const char* field, const char* rule) {
    ASSERT_EQ(findControlRow(ctx, "01", "01", "01"), 0);
    Table& vez = ctx.table("VEZ");
    vez.record().setText(vez.record().index(field), rule);
    ASSERT_EQ(vez.put(), 0);
  }
};

TEST_F(InputLineChecks, ASampleLinePassesBothPaths) {
  for (const auto path : {LinePath::InputCheck, LinePath::Takeover}) {
    const auto r = run(TestLine{}, path);
    EXPECT_TRUE(r.findings.empty()) << r.findings.front().message;
    EXPECT_FALSE(r.erroneous);
    EXPECT_TRUE(r.controlRowFound);
    ASSERT_TRUE(r.rates.has_value());
    EXPECT_EQ(r.expected.firstPillar, *Decimal::parse("277.50"));
    EXPECT_EQ(r.expected.secondPillar, *Decimal::parse("92.50"));
  }
}

struct Case {
  const char* name;
  std::function<void(TestLine&)> change;
  std::vector<int> checks;  // numbers of the findings, in order
  const char* firstMessage;
  bool erroneous;
};

TEST_F(InputLineChecks, EachCheckOfTheInputCheckFindsItsFault) {
  const std::vector<Case> cases = {
      {"IV.7 with a letter",
       [](TestLine& l) { l.iv7 = "+000000001850A0"; },
       {1},
       "Podatak IV.7 nije numerik",
       true},
      {"IV.11 blank", [](TestLine& l) { l.iv11 = ""; }, {5}, "Podatak IV.11 nije numerik", true},
      {"wrong check digit",
       [](TestLine& l) { l.jmbg.back() = l.jmbg.back() == '9' ? '0' : '9'; },
       {6},
       "MBG osiguranika nije točan po modulu 11",
       true},
      {"blank MBG",
       [](TestLine& l) { l.jmbg = ""; },
       {6},
       "MBG osiguranika nije točan po modulu 11",
       true},
      {"unknown municipality",
       [](TestLine& l) { l.opcina = "9999"; },
       {8},
       "Nepoznata šifra općine",
       true},
      {"unknown increased duration",
       [](TestLine& l) { l.b = "7"; },
       {9, 19, 21},
       "Nepoznata šifra za uvećani staž",
       true},
      {"membership X",
       [](TestLine& l) { l.member = "X"; },
       {10, 19, 21},
       "Obvezno odredite da li je osoba član OMF ili nije",
       true},
      {"first day 0",
       [](TestLine& l) { l.from = "00"; },
       {14},
       "Greška - razdoblje od mora biti >0. Provjerite kontrolnu tablicu za VOB=01 VOI=01 OO=01",
       true},
      {"last day 0",
       [](TestLine& l) { l.to = "00"; },
       {15},
       "Greška - razdoblje do mora biti >0. Provjerite kontrolnu tablicu za VOB=01 VOI=01 OO=01",
       true},
      {"IV.7 zero",
       [](TestLine& l) { l.iv7 = amountField("0"); },
       {16},
       "Greška - Iznos obračunane plaće mora biti >0. Provjerite kontrolnu tablicu za VOB=01 "
       "VOI=01 OO=01",
       true},
      {"IV.8 zero: no difference to check",
       [](TestLine& l) { l.iv8 = amountField("0"); },
       {17},
       "Greška - Osnovica za doprinose mora biti >0. Provjerite kontrolnu tablicu za VOB=01 VOI=01 "
       "OO=01",
       true},
      {"IV.9 below zero hides both differences",
       [](TestLine& l) {
         l.iv9 = amountField("-1.00");
         l.iv10 = amountField("95.00");
       },
       {18},
       "Greška - Iznos doprinosa za I. stup mora biti >=0. Provjerite kontrolnu tablicu za VOB=01 "
       "VOI=01 OO=01",
       true},
      {"I. pillar 0.04 off",
       [](TestLine& l) { l.iv9 = amountField("277.54"); },
       {19},
       "Upozorenje - razlika u obračunatom doprinosu I. stupa:     277.54  -     277.50",
       true},
      {"I. pillar 0.03 off", [](TestLine& l) { l.iv9 = amountField("277.47"); }, {}, "", false},
      {"IV.10 below zero",
       [](TestLine& l) { l.iv10 = amountField("-0.01"); },
       {20},
       "Greška - Iznos doprinosa za II.stup mora biti >=0. Provjerite kontrolnu tablicu za VOB=01 "
       "VOI=01 OO=01",
       true},
      {"II. pillar 0.04 off only warns",
       [](TestLine& l) { l.iv10 = amountField("92.46"); },
       {21},
       "Upozorenje - razlika u obračunatom doprinosu II stupa:      92.46  -      92.50",
       false},
      {"IV.11 below zero",
       [](TestLine& l) { l.iv11 = amountField("-5"); },
       {22},
       "Greška - Iznos ispaćene plaće mora biti >=0. Provjerite kontrolnu tablicu za VOB=01 VOI=01 "
       "OO=01",
       true},
      {"a non-numeric IV.7 still goes through the range check",
       [](TestLine& l) { l.iv7 = "+0000000000000X"; },
       {1, 16},
       "Podatak IV.7 nije numerik",
       true},
  };
  for (const auto& c : cases) {
    TestLine written;
    c.change(written);
    const auto r = run(written);
    EXPECT_EQ(numbers(r), c.checks) << c.name;
    if (!r.findings.empty()) {
      EXPECT_EQ(r.findings.front().message, c.firstMessage) << c.name;
    }
    EXPECT_EQ(r.erroneous, c.erroneous) << c.name;
  }
}

TEST_F(InputLineChecks, TheChosenPeriodIsHeldAgainstTheControlRow) {
  auto r = run(TestLine{}, LinePath::InputCheck, settings("01", 0));
  EXPECT_EQ(numbers(r), std::vector<int>{12});
  EXPECT_EQ(r.findings[0].message,
            "Greška - obračunski mjesec mora biti >0 Provjerite kontrolnu tablicu za VOB=01 VOI=01 "
            "OO=01");
  r = run(TestLine{}, LinePath::InputCheck, settings("01", 11, 2003));
  EXPECT_EQ(numbers(r), std::vector<int>{13});
  EXPECT_EQ(r.findings[0].message, "Greška - obračunska godina.");
  EXPECT_TRUE(r.erroneous);
}

TEST_F(InputLineChecks, ACombinationWithoutControlRowIsNotRangeChecked) {
  // Basis "10" is known but has no row under kind of payment "01": the periods and amounts
  // that would break the rules of a row pass, and no rates give differences.
  TestLine written;
  written.oo = "10";
  written.from = "00";
  written.iv9 = amountField("0");
  written.iv10 = amountField("0");
  auto r = run(written);
  EXPECT_EQ(numbers(r), std::vector<int>{11});
  EXPECT_EQ(r.findings[0].message, "Pogrešan osnov obračuna za VOB=01 VOI=01 OO=10");
  EXPECT_FALSE(r.erroneous) << "a missing control row only warns in the input check";

  r = run(written, LinePath::Takeover);
  EXPECT_EQ(numbers(r), std::vector<int>{12});
  EXPECT_EQ(r.findings[0].message,
            "Upozorenje. Navedena kombinacija VOB=01 VOI=01 OO=10 nije uvedena u kontrolnu "
            "tablicu");
  EXPECT_TRUE(r.erroneous);

  // An unknown basis is also reported as such.
  written.oo = "77";
  EXPECT_EQ(numbers(run(written)), (std::vector<int>{7, 11}));
  EXPECT_EQ(run(written, LinePath::Takeover).findings.front().message, "Nepoznat osnov obračuna");
}

TEST_F(InputLineChecks, TheTakeoverMarksAndOrdersItsOwnWay) {
  struct PathCase {
    const char* name;
    std::function<void(TestLine&)> change;
    std::vector<int> input, takeover;
    bool inputErroneous, takeoverErroneous;
  };
  const std::vector<PathCase> cases = {
      {"membership X",
       [](TestLine& l) { l.member = "X"; },
       {10, 19, 21},
       {11, 20, 22},
       true,
       false},
      {"non-member with a II. pillar contribution",
       [](TestLine& l) {
         l.member = "N";
         l.iv9 = amountField("370.00");
       },
       {21},
       {10, 22},
       false,
       true},
      {"I. pillar 0.04 off",
       [](TestLine& l) { l.iv9 = amountField("277.46"); },
       {19},
       {20},
       true,
       false},
      // The input check's range flag comes from IV.9, the takeover's from IV.8.
      {"IV.9 below zero with a II. pillar difference",
       [](TestLine& l) {
         l.iv9 = amountField("-1.00");
         l.iv10 = amountField("95.00");
       },
       {18},
       {19, 22},
       true,
       true},
      {"wrong MBG", [](TestLine& l) { l.jmbg = "1234567890123"; }, {6}, {6}, true, true},
      // A number that is not 14 digits would be read as other digits than it shows.
      {"IV.7 with a decimal point",
       [](TestLine& l) { l.iv7 = "+0000001850.000"; },
       {},
       {1},
       false,
       true},
  };
  for (const auto& c : cases) {
    TestLine written;
    c.change(written);
    const auto in = run(written, LinePath::InputCheck);
    const auto take = run(written, LinePath::Takeover);
    EXPECT_EQ(numbers(in), c.input) << c.name;
    EXPECT_EQ(numbers(take), c.takeover) << c.name;
    EXPECT_EQ(in.erroneous, c.inputErroneous) << c.name;
    EXPECT_EQ(take.erroneous, c.takeoverErroneous) << c.name;
  }
  TestLine written;
  written.jmbg = "1234567890123";
  EXPECT_EQ(run(written, LinePath::Takeover).findings[0].message, "Pogrešan JMBG");
  written.b = "7";
  EXPECT_EQ(run(written, LinePath::Takeover).findings[1].message, "Nepoznata šifra uvećanog staža");
}

TEST_F(InputLineChecks, ContributionWarningsDoNotCountAsMessagesInTheTakeover) {
  TestLine written;
  written.member = "X";  // 11 counts; the two differences (no rates for "X") do not
  const auto r = run(written, LinePath::Takeover);
  ASSERT_EQ(numbers(r), (std::vector<int>{11, 20, 22}));
  EXPECT_TRUE(r.findings[0].countsAsMessage);
  EXPECT_FALSE(r.findings[1].countsAsMessage);
  EXPECT_FALSE(r.findings[2].countsAsMessage);
  EXPECT_TRUE(r.hasMessage);
  EXPECT_FALSE(r.erroneous);
}

TEST_F(InputLineChecks, PaymentTypes99And88EndTheTakeoverAfterTheCodeChecks) {
  TestLine written;
  written.voi = "99";
  written.iv11 = amountField("-5");  // would break the rule of a control row
  written.member = "X";
  for (const char* voi : {"99", "88"}) {
    written.voi = voi;
    auto r = run(written, LinePath::Takeover, settings(voi));
    EXPECT_TRUE(r.findings.empty()) << voi;
    EXPECT_TRUE(r.endedEarly);
    written.opcina = "9999";
    r = run(written, LinePath::Takeover, settings(voi));
    EXPECT_EQ(numbers(r), std::vector<int>{8}) << voi;
    written.opcina = "1333";
  }
  // The input check has no such end.
  EXPECT_FALSE(run(written, LinePath::InputCheck, settings("99")).findings.empty());
}

TEST_F(InputLineChecks, AZeroAmountPassesWhenThePersonHasAPositiveOneInAnotherLine) {
  setRule("IZNOS9", ">0  ");
  LineChecker checker(ctx, kClock, LinePath::InputCheck, settings());
  TestLine first, second;
  first.iv9 = amountField("120.00");
  first.iv8 = amountField("800.00");
  first.iv10 = amountField("40.00");
  second.iv9 = amountField("0");
  const PaymentLine a = paymentLineFromText(first.text());
  const PaymentLine b = paymentLineFromText(second.text());

  PersonAmountMemory person;
  person.take(a.jmbg, a.amounts);
  EXPECT_TRUE(checker.check(a, person).findings.empty());
  person.take(b.jmbg, b.amounts);
  EXPECT_TRUE(checker.check(b, person).findings.empty());

  // Another person's positive amount does not excuse it.
  PersonAmountMemory other;
  other.take(a.jmbg, a.amounts);
  TestLine stranger = second;
  stranger.jmbg = sampleJmbg(17, 9, 1985, 33, 512);
  const PaymentLine c = paymentLineFromText(stranger.text());
  other.take(c.jmbg, c.amounts);
  const auto r = checker.check(c, other);
  EXPECT_EQ(numbers(r), std::vector<int>{18});
  EXPECT_EQ(r.findings[0].message,
            "Greška - Iznos doprinosa za I. stup mora biti >0. Provjerite kontrolnu tablicu za "
            "VOB=01 VOI=01 OO=01");
}

TEST_F(InputLineChecks, ANegativeAmountReadsWithItsSign) {
  const PaymentLine line = paymentLineFromText(TestLine{.iv7 = "-00000000012345"}.text());
  EXPECT_EQ(line.amount(7), *Decimal::parse("-123.45"));
}

}  // namespace
}  // namespace obrazac::check
