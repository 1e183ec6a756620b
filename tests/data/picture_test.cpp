#include "data/picture.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace obrazac {
namespace {

// Expected outputs are written with ␣ for each blank so their widths can be read.
std::string blanks(std::string_view shown) {
  std::string out;
  for (std::size_t i = 0; i < shown.size();) {
    if (shown.substr(i, 3) == "␣") {
      out += ' ';
      i += 3;
    } else {
      out += shown[i++];
    }
  }
  return out;
}

Decimal dec(std::string_view text) {
  return Decimal::parse(text).value();
}

TEST(NumberPicture, FormatsEveryPictureOfTheSystem) {
  const std::array<std::string_view, 5> values = {"5", "1234.5", "-1234.56", "123456.785", "0"};
  const struct {
    std::vector<std::string_view> pictures;
    std::array<std::string_view, 5> outputs;
  } grid[] = {
      {{"N02", "n02"}, {"05", "##", "##", "##", "00"}},
      {{"n03"}, {"005", "###", "###", "###", "000"}},
      {{"N04", "n04"}, {"0005", "1235", "1235", "####", "0000"}},
      {{"N05", "n05"}, {"00005", "01235", "01235", "#####", "00000"}},
      {{"n4"}, {"␣␣␣5", "1235", "1235", "####", "␣␣␣0"}},
      {{"n5"}, {"␣␣␣␣5", "1,235", "1,235", "#####", "␣␣␣␣0"}},
      {{"N014v2"},
       {"00000000000500", "00000000123450", "00000000123456", "00000012345679", "00000000000000"}},
      {{"N10.2", "n10.2"}, {"␣␣␣␣␣␣5.00", "␣␣1,234.50", "␣␣1,234.56", "123,456.79", "␣␣␣␣␣␣0.00"}},
      {{"n15.2"},
       {"␣␣␣␣␣␣␣␣␣␣␣5.00", "␣␣␣␣␣␣␣1,234.50", "␣␣␣␣␣␣␣1,234.56", "␣␣␣␣␣123,456.79",
        "␣␣␣␣␣␣␣␣␣␣␣0.00"}},
      {{"N_12`2"},
       {"␣␣␣␣␣␣␣␣5,00", "␣␣␣␣␣1234,50", "␣␣␣␣␣1234,56", "␣␣␣123456,79", "␣␣␣␣␣␣␣␣0,00"}},
      {{"N-12.`2"},
       {"␣␣␣␣␣␣␣␣5,00", "␣␣␣␣1.234,50", "␣␣␣-1.234,56", "␣␣123.456,79", "␣␣␣␣␣␣␣␣0,00"}},
      {{"N5`2"}, {"␣5,00", "##,##", "##,##", "##,##", "␣0,00"}},
      {{"N15`4"},
       {"␣␣␣␣␣␣␣␣␣5,0000", "␣␣␣␣␣1.234,5000", "␣␣␣␣␣1.234,5600", "␣␣␣123.456,7850",
        "␣␣␣␣␣␣␣␣␣0,0000"}},
  };
  for (const auto& row : grid)
    for (std::string_view picture : row.pictures)
      for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(formatNumber(dec(values[i]), picture), blanks(row.outputs[i]))
            << values[i] << " under " << picture;

  // The edges: where grouping gives way, where overflow starts, rounding before overflow, and
  // where the minus goes.
  const struct {
    std::string_view picture, value, output;
  } edges[] = {
      {"n5", "99999", "99999"},
      {"n5", "100000", "#####"},
      {"N10.2", "1234567", "1234567.00"},
      {"N10.2", "12345678", "#######.##"},
      {"n15.2", "1234567", "␣␣␣1,234,567.00"},
      {"n15.2", "99999999999.99", "99999999,999.99"},
      {"N-12.`2", "1234567", "␣1234.567,00"},
      {"N_12`2", "12345678", "␣12345678,00"},
      {"N10.2", "2.675", "␣␣␣␣␣␣2.68"},
      {"N10.2", "0.004", "␣␣␣␣␣␣0.00"},
      {"N10.2", "9999.995", "␣10,000.00"},
      {"N-015v2", "-123.45", "-00000000012345"},
      {"N-015v2", "123.45", "000000000012345"},
      {"N-015v2", "-999999999999.99", "-99999999999999"},
      {"N-015v2", "1000000000000", "###############"},
      {"N-10.2", "-0.5", "␣␣␣␣␣-0.50"},
      {"N-10.2", "-0.004", "␣␣␣␣␣␣0.00"},  // rounds to zero: no minus
      {"N-12.`2", "-1234567", "-1234.567,00"},
      {"N-12.`2", "-123456789", "#########,##"},
      {"N-_8", "-42", "␣␣␣␣␣-42"},
      {"N12 .2", "1234567", "1 234 567.00"},
      {"N10.`2", "1234.5", "␣␣1.234,50"},
      {"N012.10", "12", "#.##########"},
      {"N13.10", "1.5", "␣1.5000000000"},
  };
  for (const auto& c : edges)
    EXPECT_EQ(formatNumber(dec(c.value), c.picture), blanks(c.output))
        << c.value << " under " << c.picture;
}

TEST(NumberPicture, AppendsWithoutDisturbingTheLine) {
  const NumberPicture amount(kAmountPicture);
  EXPECT_EQ(amount.width(), 15);
  EXPECT_EQ(amount.places(), 2);
  std::string line = "R";
  amount.appendTo(line, dec("-123.45"));
  amount.appendTo(line, dec("0.01"));
  EXPECT_EQ(line, "R-00000000012345000000000000001");
}

TEST(NumberPicture, RejectsMalformedPictures) {
  for (std::string_view picture :
       {"",      "X10",  "N",    "n-",     "N0",     "N_",     "N-0",    "Nx5",     "N 10",
        "N1000", "N10.", "N10,", "N10.2x", "N10x.2", "N10`.2", "N10..2", "N10.234", "N10v",
        "N10V2", "N3.2", "N-1",  "N-4.2",  "N0v2",   "N00",    "N10.2 "}) {
    try {
      formatNumber(Decimal(1), picture);
      ADD_FAILURE() << "accepted '" << picture << "'";
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find("'" + std::string(picture) + "'"), std::string::npos)
          << e.what();
    }
  }
}

TEST(DatePicture, FormatsDatesAndTimes) {
  const struct {
    int year, month, day;
    std::string_view compact, dotted;
  } dates[] = {
      {2004, 1, 1, "20040101", "␣1.01.2004"},
      {1999, 3, 5, "19990305", "␣5.03.1999"},
      {2005, 12, 31, "20051231", "31.12.2005"},
  };
  for (const auto& d : dates) {
    const Date date = Date::fromParts(d.month, d.day, d.year);
    EXPECT_EQ(formatDate(date, "D12"), d.compact);
    EXPECT_EQ(formatDate(date, "D6."), blanks(d.dotted));
  }
  EXPECT_EQ(formatDate(Date(), "D12"), "        ");
  EXPECT_EQ(formatDate(Date(), "D6."), "          ");

  EXPECT_EQ(formatTime(TimeOfDay::fromParts(0, 0), "T1"), " 0:00");
  EXPECT_EQ(formatTime(TimeOfDay::fromParts(13, 5, 59, 99), "T1"), "13:05");
  EXPECT_EQ(formatTime(TimeOfDay(), "T1"), "     ");

  for (std::string_view picture : {"D6", "D12x", "d12", "T2", "N10.2"})
    EXPECT_THROW(formatDate(Date(1), picture), std::invalid_argument) << picture;
  EXPECT_THROW(formatTime(TimeOfDay(1), "D12"), std::invalid_argument);
}

TEST(ReadAmount, ReadsTheFifteenCharacterAmountField) {
  const struct {
    std::string_view field;
    std::optional<std::string_view> amount;
  } cases[] = {
      {"-00000000012345", "-123.45"},          {"+00000000012345", "123.45"},
      {"000000000012345", "123.45"},           {" 00000000012345", "123.45"},
      {"-99999999999999", "-999999999999.99"}, {"000000000000000", "0"},
      {"100000000012345", std::nullopt},       {"*00000000012345", std::nullopt},
      {"-0000000001234 ", std::nullopt},       {"- 0000000012345", std::nullopt},
      {"               ", std::nullopt},       {"00000000012345", std::nullopt},
      {"0000000000123456", std::nullopt},      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<Decimal> read = readAmount(c.field);
    ASSERT_EQ(read.has_value(), c.amount.has_value()) << "'" << c.field << "'";
    if (read) {
      EXPECT_EQ(*read, dec(*c.amount)) << "'" << c.field << "'";
    }
  }
  // Whatever the amount picture writes reads back unchanged.
  for (std::string_view amount : {"-123.45", "0.01", "-0.01", "999999999999.99"})
    EXPECT_EQ(readAmount(formatNumber(dec(amount), kAmountPicture)), dec(amount)) << amount;
}

}  // namespace
}  // namespace obrazac
