#include "register/monthly_data_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "data/codepage.h"
#include "data/dictionary.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

constexpr std::string_view kJmbg = "1503975123451";

Decimal dec(std::string_view text) {
  return *Decimal::parse(text);
}

class MonthlyData : public ::testing::Test {
 protected:
  void SetUp() override {
    // The usual combination: a month, days and a base above zero, the rest zero or more.
    addControlRow("01", "01", "01",
                  {{"OBRMJE", ">0  "}, {"DANOD", ">0  "}, {"DANDO", ">0  "}, {"IZNOS8", ">0  "}});
    addControlRow("01", "02", "01", {{"GODINA", "= 0 "}});
  }

  void addControlRow(std::string_view vob, std::string_view voi, std::string_view oo,
                     std::map<std::string, std::string> rules) {
    Table& t = ctx_.table("VEZ");
    if (!t.isOpen()) {
      ASSERT_EQ(t.open(), 0);
    }
    Record& r = t.record();
    r.clear();
    r.setText(r.index("VOB"), vob);
    r.setText(r.index("VOI"), voi);
    r.setText(r.index("OO"), oo);
    for (const char* f : {"OBRMJE", "GODINA", "DANOD", "DANDO", "PLAGOD", "PLAMJE", "IZNOS7",
                          "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"})
      r.setText(r.index(f), rules.count(f) ? rules[f] : ">=0 ");
    ASSERT_EQ(t.add(), 0);
  }

  // A row that passes every test: May 2005, the whole month, not in the second pillar.
  static Record row() {
    Record rad(*tableByPrefix("RAD"));
    const auto text = [&rad](std::string_view f, std::string_view v) {
      rad.setText(rad.index(f), cp1250(v));
    };
    const auto number = [&rad](std::string_view f, std::int64_t v) {
      rad.setInteger(rad.index(f), v);
    };
    number("REDBROJ", 1);
    text("JMBG", kJmbg);
    text("PREZIME", "Horvat Ivan");
    text("VRSOBV", "01");
    text("VRSTAUPLA", "01");
    text("OSNOVA1", "01");
    text("CLANDN", "N");
    number("GODOBRA", 2005);
    number("MJEOBRA", 5);
    number("ODDANA", 1);
    number("DODANA", 31);
    setAmount(rad, 7, "1000");
    setAmount(rad, 8, "1000");
    setAmount(rad, 9, "200");
    setAmount(rad, 11, "700");
    return rad;
  }
  static void setAmount(Record& rad, int item, std::string_view v) {
    rad.setDecimal(rad.index("IZNOS" + std::to_string(item)), dec(v));
  }
  static void set(Record& rad, std::string_view f, std::int64_t v) {
    rad.setInteger(rad.index(f), v);
  }
  static void set(Record& rad, std::string_view f, std::string_view v) {
    rad.setText(rad.index(f), v);
  }

  Position store(const Record& rad) {
    Table& t = ctx_.table("RAD");
    if (!t.isOpen()) {
      EXPECT_EQ(t.open(), 0);
    }
    t.record() = rad;
    EXPECT_EQ(t.add(), 0);
    return t.position();
  }

  MonthlySaveCheck save(const Record& rad, Position stored = {}) {
    return checkMonthlySave(ctx_, clock_, rad, stored);
  }

  testing::TempDir dir_;
  Context ctx_{dir_.path()};
  FixedClock clock_{Date::fromParts(6, 15, 2005)};
};

TEST_F(MonthlyData, FieldTests) {
  struct Case {
    MonthlyField field;
    std::function<void(Record&)> change;
    std::string_view message;  // empty: accepted
    bool beep = false;
  } cases[] = {
      {MonthlyField::Jmbg, [](Record&) {}, ""},
      // Too short is a missing number, not a wrong check digit.
      {MonthlyField::Jmbg, [](Record& r) { set(r, "JMBG", "150397512345"); },
       "JMBG je obavezan podatak."},
      {MonthlyField::Jmbg, [](Record& r) { set(r, "JMBG", "1503975123450"); },
       "JMBG nije točan. ISPRAVITE Podatak"},
      {MonthlyField::Jmbg, [](Record& r) { set(r, "JMBG", "15039751234x1"); },
       "JMBG nije točan. ISPRAVITE Podatak", true},
      {MonthlyField::Jmbg, [](Record& r) { set(r, "JMBG", " 503975123458"); },
       "JMBG nije točan. ISPRAVITE Podatak", true},
      {MonthlyField::Year, [](Record& r) { set(r, "GODOBRA", 999); },
       "Greška. Godina mora biti 4-znamenkasta"},
      {MonthlyField::Year, [](Record& r) { set(r, "GODOBRA", 2004); },
       "Greška. Godina mora biti veća od 2004 a manja ili jednaka tekućoj"},
      {MonthlyField::Year, [](Record& r) { set(r, "GODOBRA", 2009); }, ""},
      {MonthlyField::Month, [](Record& r) { set(r, "MJEOBRA", 13); }, "Pogrešna oznaka mjeseca"},
      {MonthlyField::Month, [](Record& r) { set(r, "MJEOBRA", -1); }, "Pogrešna oznaka mjeseca"},
      {MonthlyField::Month, [](Record& r) { set(r, "MJEOBRA", 0); }, ""},
      {MonthlyField::FirstDay, [](Record& r) { set(r, "MJEOBRA", 2), set(r, "ODDANA", 30); },
       "Pogrešan dan"},
      {MonthlyField::LastDay, [](Record& r) { set(r, "MJEOBRA", 2), set(r, "DODANA", 29); },
       "Pogrešan dan"},
      {MonthlyField::LastDay,
       [](Record& r) { set(r, "GODOBRA", 2008), set(r, "MJEOBRA", 2), set(r, "DODANA", 29); }, ""},
      {MonthlyField::LastDay,  // every fourth year has 29 February, 2100 too
       [](Record& r) { set(r, "GODOBRA", 2100), set(r, "MJEOBRA", 2), set(r, "DODANA", 29); }, ""},
      {MonthlyField::LastDay, [](Record& r) { set(r, "MJEOBRA", 4), set(r, "DODANA", 31); },
       "Pogrešan dan"},
      {MonthlyField::LastDay, [](Record& r) { set(r, "MJEOBRA", 0), set(r, "DODANA", 31); }, ""},
      {MonthlyField::SecondPillar, [](Record& r) { setAmount(r, 10, "0.01"); },
       "Greška. Osiguranik nije član OMF. Nema doprinosa za II. stup"},
      {MonthlyField::SecondPillar, [](Record& r) { set(r, "CLANDN", "D"), setAmount(r, 10, "5"); },
       ""},
  };
  int n = 0;
  for (const auto& c : cases) {
    Record rad = row();
    c.change(rad);
    const CheckResult r = checkMonthlyField(c.field, rad);
    SCOPED_TRACE(n++);
    if (c.message.empty()) {
      EXPECT_FALSE(r) << r->message;
    } else {
      ASSERT_TRUE(r);
      EXPECT_EQ(r->message, c.message);
      EXPECT_EQ(r->beep, c.beep);
    }
  }
}

TEST_F(MonthlyData, SaveTestsInOrder) {
  const std::string table = "Provjerite kontrolnu tablicu za VOB=01 VOI=01 OO=01";
  struct Case {
    std::function<void(Record&)> change;
    std::string message;  // empty: saved
    std::string field;
  } cases[] = {
      {[](Record&) {}, "", ""},
      {[](Record& r) { set(r, "JMBG", "150397512345"); }, "JMBG je obavezan podatak.", "RAD:JMBG"},
      {[](Record& r) { set(r, "GODOBRA", 205), set(r, "CLANDN", " "); },
       "Godina mora biti 4-znamenkasta", "RAD:GODOBRA"},
      {[](Record& r) { set(r, "GODOBRA", 2004); },
       "Godina mora biti veća od 2004 i manja ili jednaka tekućoj godini", "RAD:GODOBRA"},
      {[](Record& r) { set(r, "GODOBRA", 2006); }, "", ""},  // next calendar year
      {[](Record& r) { set(r, "GODOBRA", 2007); },
       "Godina mora biti veća od 2004 i manja ili jednaka tekućoj godini", "RAD:GODOBRA"},
      {[](Record& r) { set(r, "CLANDN", "d"), set(r, "MJEOBRA", 13); },
       "Obvezno odredite da li je osoba član OMF ili nije", "RAD:CLANDN"},
      {[](Record& r) { set(r, "MJEOBRA", 13); }, "Pogrešna oznaka mjeseca", "RAD:MJEOBRA"},
      {[](Record& r) { set(r, "MJEOBRA", 2), set(r, "DODANA", 30); }, "Pogrešan dan", "RAD:DODANA"},
      {[](Record& r) { set(r, "MJEOBRA", 0); }, "Greška - obračunski mjesec mora biti >0 " + table,
       "RAD:MJEOBRA"},
      {[](Record& r) { set(r, "VRSTAUPLA", "02"); },
       "Greška - obračunska godina. Provjerite kontrolnu tablicu za VOB=01 VOI=02 OO=01",
       "RAD:GODOBRA"},
      {[](Record& r) { set(r, "ODDANA", 0); }, "Greška - razdoblje od mora biti >0. " + table,
       "RAD:ODDANA"},
      {[](Record& r) { set(r, "DODANA", 0); }, "Greška - razdoblje do mora biti >0. " + table,
       "RAD:DODANA"},
      {[](Record& r) { setAmount(r, 7, "-0.01"), setAmount(r, 8, "0"); },
       "Greška - Iznos obračunane plaće mora biti >=0. " + table, "RAD:IZNOS7"},
      {[](Record& r) { setAmount(r, 8, "0"); },
       "Greška - Osnovica za doprinose mora biti >0. " + table, "RAD:IZNOS8"},
      {[](Record& r) { setAmount(r, 9, "-5"); },
       "Greška - Iznos doprinosa za I. stup mora biti >=0. " + table, "RAD:IZNOS9"},
      {[](Record& r) { setAmount(r, 10, "-5"); },
       "Greška - Iznos doprinosa za II.stup mora biti >=0. " + table, "RAD:IZNOS10"},
      {[](Record& r) { setAmount(r, 10, "5"); }, "Greška - Osoba nije član II.stupa",
       "RAD:IZNOS10"},
      {[](Record& r) { set(r, "CLANDN", "D"), setAmount(r, 8, "100"); },
       "Greška - Osoba je član II.stupa, osnovica veća od 0", "RAD:IZNOS10"},
      {[](Record& r) { set(r, "CLANDN", "D"), setAmount(r, 10, "50"); }, "", ""},
      {[](Record& r) { setAmount(r, 11, "-1"); },
       "Greška - Iznos ispaćene plaće mora biti >=0. " + table, "RAD:IZNOS11"},
      // The special kinds of calculation are not held against the control table.
      {[](Record& r) {
         set(r, "VRSTAUPLA", "99"), set(r, "MJEOBRA", 0);
         for (int item = 7; item <= 11; ++item) setAmount(r, item, "0");
       },
       "", ""},
      {[](Record& r) { set(r, "VRSTAUPLA", "88"), setAmount(r, 8, "-1"); }, "", ""},
  };
  int n = 0;
  for (const auto& c : cases) {
    Record rad = row();
    c.change(rad);
    const MonthlySaveCheck r = save(rad);
    SCOPED_TRACE(n++);
    EXPECT_EQ(r.warning, "");
    if (c.message.empty()) {
      EXPECT_TRUE(r.ok()) << r.failure->message;
    } else {
      ASSERT_FALSE(r.ok());
      EXPECT_EQ(*r.failure, (CheckFailure{c.message, c.field}));
    }
  }
}

TEST_F(MonthlyData, CombinationWithoutRowWarnsAndIsNotRangeChecked) {
  Record strict = row();
  set(strict, "MJEOBRA", 0);
  ASSERT_FALSE(save(strict).ok());  // the month rule "> 0" of 01/01/01 refuses it

  // The same values under a combination the control table lacks: only the warning, and no
  // bounds left over from the row judged before.
  Record rad = strict;
  set(rad, "OSNOVA1", "09");
  setAmount(rad, 8, "0");
  const MonthlySaveCheck r = save(rad);
  EXPECT_EQ(
      r.warning,
      "Upozorenje. Navedena kombinacija VOB=01 VOI=01 OO=09 nije uvedena u kontrolnu tablicu");
  EXPECT_TRUE(r.ok()) << r.failure->message;

  // Tests that need no bounds still apply.
  set(rad, "CLANDN", "D");
  setAmount(rad, 8, "100");
  EXPECT_EQ(save(rad).failure->message, "Greška - Osoba je član II.stupa, osnovica veća od 0");
}

TEST_F(MonthlyData, ZeroBaseExcusedOnlyByAnotherRowOfTheSameMonth) {
  Record rad = row();
  setAmount(rad, 8, "0");
  ASSERT_FALSE(save(rad).ok());

  // The stored version of the row being changed is not another row.
  Record own = row();
  const Position ownPosition = store(own);
  EXPECT_FALSE(save(rad, ownPosition).ok());

  // Another obligor's row of the person, but for April: no excuse.
  Record april = row();
  set(april, "REDBROJ", 2);
  set(april, "MJEOBRA", 4);
  store(april);
  EXPECT_FALSE(save(rad, ownPosition).ok());

  Record may = row();
  set(may, "REDBROJ", 2);
  setAmount(may, 8, "500");
  store(may);
  EXPECT_TRUE(save(rad, ownPosition).ok());
  EXPECT_EQ(otherRowAmounts(ctx_, rad, ownPosition)[1], dec("500"));

  // Someone else's base excuses nothing.
  set(rad, "JMBG", "0101980330001");
  EXPECT_EQ(otherRowAmounts(ctx_, rad), ItemAmounts{});
}

TEST_F(MonthlyData, ProposedContributionsFromTheRates) {
  Table& t = ctx_.table("STO1");
  ASSERT_EQ(t.open(), 0);
  Record& s = t.record();
  s.clear();
  for (auto [f, v] :
       {std::pair{"VRSTOBRACUNA", "01"}, std::pair{"VRSTAOBVEZNIKA", "01"},
        std::pair{"OSNOVOBRA", "01"}, std::pair{"STAZ", " "}, std::pair{"CLANDN", "D"}})
    s.setText(s.index(f), v);
  s.setDecimal(s.index("PRVISTUP1"), dec("15"));
  s.setDecimal(s.index("DRUGISTUP1"), dec("4.5"));
  s.setDecimal(s.index("DRUGISTUP2"), dec("0.5"));
  ASSERT_EQ(t.add(), 0);

  Record rad = row();
  setAmount(rad, 8, "1234.57");
  setAmount(rad, 9, "1");
  // Not a member: no rates row for "N", nothing changes.
  EXPECT_FALSE(proposeContribution(ctx_, rad, Pillar::First));
  EXPECT_EQ(rad.decimal(rad.index("IZNOS9")), dec("1"));

  set(rad, "CLANDN", "D");
  EXPECT_TRUE(proposeContribution(ctx_, rad, Pillar::First));
  EXPECT_EQ(rad.decimal(rad.index("IZNOS9")), dec("185.19"));  // 185.1855
  EXPECT_EQ(rad.decimal(rad.index("PRVISTUP1")), dec("15"));
  EXPECT_TRUE(proposeContribution(ctx_, rad, Pillar::Second));
  EXPECT_EQ(rad.decimal(rad.index("IZNOS10")), dec("61.73"));  // 61.7285
  EXPECT_EQ(rad.decimal(rad.index("DRUGISTUP2")), dec("0.5"));
}

}  // namespace
}  // namespace obrazac
