#include "submission/records.h"

#include <gtest/gtest.h>

#include "data/codepage.h"
#include "data/dictionary.h"

namespace obrazac::submission {
namespace {

Record recordOf(std::string_view prefix) {
  Record r(*tableByPrefix(prefix));
  r.clear();
  return r;
}

void set(Record& r, std::string_view field, std::string_view utf8) {
  r.setText(r.index(field), cp1250(utf8));
}

std::string cut(const std::string& line, std::string_view code) {
  return std::string(fieldByCode(code)->cut(line));
}

Record parameters(std::string_view mb01, std::string_view mb02, std::string_view jmbg) {
  Record apl = recordOf("APL");
  set(apl, "MB01", mb01);
  set(apl, "MB02", mb02);
  set(apl, "JMBG", jmbg);
  return apl;
}

TEST(SenderIdentification, MBOrJMBGByEachRule) {
  struct Case {
    const char *mb01, *mb02, *jmbg;
    SenderRule rule;
    Identification expected;
  };
  using R = SenderRule;
  const Case cases[] = {
      {"34567895", "0001", "0000000000000", R::Numeric, {"345678950001", "0000000000000"}},
      {"34567895", "", "0000000000000", R::Numeric, {"345678950000", "0000000000000"}},
      {"00000000", "0000", "1403975331017", R::Numeric, {"000000000000", "1403975331017"}},
      // Both given: the JMBG wins.
      {"34567895", "0000", "1403975331017", R::Numeric, {"000000000000", "1403975331017"}},
      // Neither: the fields stay blank.
      {"", "", "", R::Numeric, {"            ", "             "}},
      // By length a non-numeric MB of 8 characters is taken, and a short unit is not.
      {"3456789X", "01", "0000000000000", R::Length, {"3456789X0000", "0000000000000"}},
      {"3456789X", "01", "0000000000000", R::Numeric, {"            ", "             "}},
      {"1234", "0000", "1403975331017", R::Length, {"000000000000", "1403975331017"}},
      // Collective: both as they are, zeros where not numeric.
      {"34567895", "0000", "1403975331017", R::Collective, {"345678950000", "1403975331017"}},
      {"", "x", "", R::Collective, {"000000000000", "0000000000000"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(senderIdentification(parameters(c.mb01, c.mb02, c.jmbg), c.rule), c.expected)
        << c.mb01 << "/" << c.jmbg << "/" << static_cast<int>(c.rule);
}

TEST(FormIdentifierField, AlwaysFourCharactersWithoutABlank) {
  EXPECT_EQ(formIdentifierField("012507 "), "0507");  // natural person, form 7 of 2005
  EXPECT_EQ(formIdentifierField("0125007"), "5007");  // legal person
  EXPECT_EQ(formIdentifierField("0039557"), "9557");  // kind 31, form 57
}

TEST(RecordLine, AmountsNumbersAndDates) {
  RecordLine r('5');
  r.amount("RS5IBRT", *Decimal::parse("-12.34"), '0')
      .amount("RS5IOSN", *Decimal::parse("1234.56"), '0')
      .amount("RS5IST1", Decimal(), '+')
      .number("RS5RBRO", 7);
  EXPECT_EQ(cut(r.line(), "RS5IBRT"), "-00000000001234");
  EXPECT_EQ(cut(r.line(), "RS5IOSN"), "000000000123456");
  EXPECT_EQ(cut(r.line(), "RS5IST1"), "+00000000000000");
  EXPECT_EQ(cut(r.line(), "RS5RBRO"), "00007");
  RecordLine closing('9');
  closing.date("RS9DTMN", Date::fromParts(2, 5, 2025));
  EXPECT_EQ(cut(closing.line(), "RS9DTMN"), "05022025");
}

TEST(RecordLine, ValuesTooLargeForTheirFieldAreRefused) {
  RecordLine r('5');
  EXPECT_THROW(r.amount("RS5IBRT", *Decimal::parse("1000000000000"), '0'), std::overflow_error);
  EXPECT_NO_THROW(r.amount("RS5IBRT", *Decimal::parse("-999999999999.99"), '0'));
  EXPECT_THROW(r.number("RS5RBRO", 100000), std::overflow_error);
}

class Records : public ::testing::Test {
 protected:
  void SetUp() override {
    set(pageA, "IDENTIFIKATOR", "0125007");
    set(pageA, "MB01", "12345679");
    set(pageA, "MB02", "0001");
    set(pageA, "JMBG", "0000000000000");
    set(pageA, "NAZIV", "PRIMJER d.o.o. s vrlo dugim imenom koje ne stane u pedeset znakova");
    set(pageA, "VRSTOBVEZNIKA", "01");
    set(pageA, "VRSUPLA", "01");
    pageA.setInteger(pageA.index("BROJOSIG"), 3);
    pageA.setDecimal(pageA.index("IZNOS7"), *Decimal::parse("5950.00"));
    set(row, "JMBG", "1709985335128");
    set(row, "PREZIME", "KOVAČEVIĆ-PRIMJERIĆ ANA MARIJA TEREZIJA");  // 39 characters
    set(row, "OPCINA", "5410");
    set(row, "OSNOVA1", "02");
    set(row, "OSNOVA3", "1");
    row.setInteger(row.index("OBRRAZD1"), 1);
    row.setInteger(row.index("OBRRAZD2"), 15);
    row.setDecimal(row.index("IZNOS7"), *Decimal::parse("-12.34"));
    row.setDecimal(row.index("IZNOS8"), *Decimal::parse("900"));
  }
  Record apl = parameters("34567895", "0000", "0000000000000");
  Record pageA = recordOf("A");
  Record row = recordOf("OSI");
  const Date sent = Date::fromParts(12, 15, 2025);
};

TEST_F(Records, EveryTypeIsExactly250CharactersEndingInItsType) {
  const Identification sender = senderIdentification(apl, SenderRule::Numeric);
  const FormPeriod period{2025, 11, 2025, 12};
  const std::pair<std::string, char> lines[] = {
      {senderRecord(apl, sender, sent), '0'},
      {formHeaderRecord(pageA, period, RowOrigin::MonthlyData), '3'},
      {rowRecord(row, 2, RowOrigin::MonthlyData), '5'},
      {formClosingRecord(pageA, 4, sent, RowOrigin::MonthlyData), '7'},
      {fileClosingRecord(sender, sent, 1), '9'},
      {senderRecord(recordOf("APL"), {}, sent), '0'},  // every text field empty
  };
  for (const auto& [line, type] : lines) {
    EXPECT_EQ(line.size(), 250u) << type;
    EXPECT_EQ(line.back(), type);
  }
}

TEST_F(Records, FieldsOfEachType) {
  const Identification sender = senderIdentification(apl, SenderRule::Numeric);
  const std::string s = senderRecord(apl, sender, sent);
  EXPECT_EQ(cut(s, "RS0MBOO") + cut(s, "RS0MBGO"), "3456789500000000000000000");
  EXPECT_EQ(cut(s, "RS0DTMN") + cut(s, "RS0OFOR"), "15122025RM500");

  const std::string h = formHeaderRecord(pageA, {2025, 11, 2025, 12}, RowOrigin::MonthlyData);
  EXPECT_EQ(cut(h, "RS3MBOO") + cut(h, "RS3MBGO"), "1234567900010000000000000");
  EXPECT_EQ(cut(h, "RS3RBSU"), "5007");
  EXPECT_EQ(cut(h, "RS3NAOB"), "PRIMJER d.o.o. s vrlo dugim imenom koje ne stane u");
  EXPECT_EQ(cut(h, "RS3MMGG") + cut(h, "RS3VROI") + cut(h, "RS3BROS"), "1120250100003");
  EXPECT_EQ(cut(h, "RS3IBRT"), "000000000595000");
  EXPECT_EQ(cut(h, "RS3IGMM"), "202512");

  const std::string b = rowRecord(row, 2, RowOrigin::MonthlyData);
  EXPECT_EQ(cut(b, "RS5RBRO") + cut(b, "RS5MBGO"), "000021709985335128");
  EXPECT_EQ(utf8FromCp1250(cut(b, "RS5IMPR")), "KOVAČEVIĆ-PRIMJERIĆ ANA MARIJA");
  EXPECT_EQ(cut(b, "RS5GROP") + cut(b, "RS5OSOB") + cut(b, "RS5RAZD"),
            "5410021"
            "0115");
  EXPECT_EQ(cut(b, "RS5IBRT") + cut(b, "RS5IOSN"), "-00000000001234000000000090000");
  EXPECT_EQ(cut(rowRecord(row, 2, RowOrigin::TakenOver), "RS5IOSN"), "+00000000090000");

  const std::string c = formClosingRecord(pageA, 4, sent, RowOrigin::MonthlyData);
  EXPECT_EQ(cut(c, "RS7RBSU") + cut(c, "RS7BRSL") + cut(c, "RS7DTRS"), "50070000415122025");
  EXPECT_EQ(cut(fileClosingRecord(sender, sent, 3), "RS9BROJ"), "000003");
}

// Taken-over data write "+" for zero and above and the period page A holds, not the window's.
TEST_F(Records, TakenOverFormHeaderUsesPageAPeriodAndPlusSigns) {
  set(pageA, "OBRMJE", "10");
  set(pageA, "OBRGOD", "2025");
  const std::string h = formHeaderRecord(pageA, {2024, 3, 2025, 12}, RowOrigin::TakenOver);
  EXPECT_EQ(cut(h, "RS3MMGG") + cut(h, "RS3IGMM"), "102025202512");
  EXPECT_EQ(cut(h, "RS3IBRT") + cut(h, "RS3IOSN"), "+00000000595000+00000000000000");
}

TEST_F(Records, ObligorNumbersOfTypesThreeAndSeven) {
  struct Case {
    const char *mb01, *jmbg;
    RowOrigin origin;
    const char *header, *closing;  // MB field and MBG field of types 3 and 7
  };
  using O = RowOrigin;
  const Case cases[] = {
      {"00000000", "1403975331017", O::MonthlyData, "0000000000001403975331017",
       "0000000000001403975331017"},
      // A short MB: type 3 writes it, type 7 tests its length.
      {"1234", "0000000000000", O::MonthlyData, "1234    00010000000000000",
       "0000000000000000000000000"},
      // A short JMBG: type 3 writes it as it is numeric, type 7 tests its length.
      {"12345679", "12345", O::MonthlyData, "12345679000112345        ",
       "1234567900010000000000000"},
      {"00000000", "1403975331017", O::TakenOver, "0000000000011403975331017",
       "0000000000011403975331017"},
  };
  for (const auto& c : cases) {
    set(pageA, "MB01", c.mb01);
    set(pageA, "JMBG", c.jmbg);
    const auto h = formHeaderRecord(pageA, {2025, 11, 2025, 12}, c.origin);
    const auto e = formClosingRecord(pageA, 1, sent, c.origin);
    EXPECT_EQ(cut(h, "RS3MBOO") + cut(h, "RS3MBGO"), c.header) << c.mb01 << "/" << c.jmbg;
    EXPECT_EQ(cut(e, "RS7MBOO") + cut(e, "RS7MBGO"), c.closing) << c.mb01 << "/" << c.jmbg;
  }
}

// The last guard before a line goes into a file: its length, its type and its bytes.
TEST(RecordLineError, RefusesALineThatWouldBreakTheFile) {
  const std::string sound = RecordLine('7').line();
  EXPECT_EQ(recordLineError(sound), std::nullopt);
  std::string withTab = sound;
  withTab[fieldByCode("RS7BRSL")->position] = '\t';
  std::string withCr = sound;
  withCr[0] = '\r';
  const std::pair<std::string, std::string> cases[] = {
      {sound.substr(1), "Zapis ima 249 znakova umjesto 250"},
      {sound + " ", "Zapis ima 251 znakova umjesto 250"},
      {std::string(249, ' ') + "4", "Zapis nepoznatog tipa"},
      {withTab, "Zapis tipa 7, polje RS7BRSL: nedopušten znak TAB (U+0009)"},
      {withCr, "Zapis tipa 7, polje " + std::string(recordLayout('7').fields[0].code) +
                   ": nedopušten znak CR (U+000D)"},
  };
  for (const auto& [line, message] : cases) EXPECT_EQ(recordLineError(line), message);
}

}  // namespace
}  // namespace obrazac::submission
