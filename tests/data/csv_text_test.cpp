#include "data/csv_text.h"

#include <gtest/gtest.h>

namespace obrazac {
namespace {

using Rows = std::vector<std::pair<int, std::vector<std::string>>>;  // line, fields

Rows rowsOf(const CsvText& csv) {
  Rows rows;
  for (const auto& r : csv.rows) rows.emplace_back(r.line, r.fields);
  return rows;
}

TEST(CsvText, RowsWithTheirLines) {
  struct Case {
    const char* name;
    std::string text;
    Rows rows;
  } cases[] = {
      {"plain, last line without its end", "a,b\n1,2", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
      {"CR LF, blank lines passed over but counted",
       "a,b\r\n\r\n  \r\n1,\r\n",
       {{1, {"a", "b"}}, {4, {"1", ""}}}},
      {"semicolons where the header has them, commas then stay in the value",
       "\xEF\xBB\xBF"
       "a;b\n1,5;\"x;y\"\n",
       {{1, {"a", "b"}}, {2, {"1,5", "x;y"}}}},
      {"quotes doubled, a line break inside quotes",
       "a,b\n\"Šimić, \"\"Ana\"\"\",\"dva\nretka\"\n3,4\n",
       {{1, {"a", "b"}}, {2, {"Šimić, \"Ana\"", "dva\nretka"}}, {4, {"3", "4"}}}},
  };
  for (const auto& c : cases) {
    const CsvText csv = readCsv(c.text);
    EXPECT_FALSE(csv.error) << c.name;
    EXPECT_EQ(rowsOf(csv), c.rows) << c.name;
  }
}

TEST(CsvText, AQuoteLeftOpenIsRefusedWithItsLine) {
  const CsvText csv = readCsv("a,b\n1,2\n3,\"four\n5,6\n");
  EXPECT_TRUE(csv.rows.empty());
  EXPECT_EQ(csv.error, "navodnik otvoren u retku 3 nije zatvoren");
}

}  // namespace
}  // namespace obrazac
