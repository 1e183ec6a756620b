#include "data/numeric_text.h"

#include <gtest/gtest.h>

namespace obrazac {
namespace {

using namespace std::literals;

TEST(NumericText, FieldTest) {
  struct Case {
    std::string_view field;
    std::size_t minLength;
    bool numeric;
  } cases[] = {
      {"", 0, false},
      {"   ", 0, false},
      {"0", 0, true},
      {"12345678901  ", 0, true},  // trailing blanks are the field's padding
      {" 12345678901", 12, true},  // leading blanks count toward the length
      {"+12345678901", 12, true},
      {"-12345678901", 12, true},
      {"12345678901  ", 12, false},  // trailing blanks do not
      {"1503975123451", 13, true},
      {"150397512345", 13, false},
      {"1.", 0, true},
      {".5", 0, true},
      {"-.5", 0, true},
      {"1.5e-3", 0, true},
      {"1e5", 0, true},
      {"1E+05", 0, true},
      {"1e99999", 0, true},  // syntax only, no range
      {".", 0, false},
      {"-", 0, false},
      {"+ 1", 0, false},
      {"--1", 0, false},
      {"1e", 0, false},
      {"1e+", 0, false},
      {"e5", 0, false},
      {"1e5.0", 0, false},
      {"1.2.3", 0, false},
      {"12a", 0, false},
      {"12 34", 0, false},
      {"0x1F", 0, false},
      {"inf", 0, false},
      {"nan", 0, false},
      {"1,5", 0, false},   // the decimal point does not follow the locale
      {"\t12", 0, false},  // only the blank pads a field
      {"12\t", 0, false},
      {"12\0"sv, 0, false},
      {"\0"sv, 0, false},
      {"1\0"
       "2"sv,
       0, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(isNumeric(c.field, c.minLength), c.numeric)
        << testing::PrintToString(c.field) << " min " << c.minLength;
}

}  // namespace
}  // namespace obrazac
