#include "frame/page_list.h"

#include <gtest/gtest.h>

namespace obrazac {
namespace {

TEST(PageListTest, TakesThePagesItsItemsName) {
  const struct {
    const char* list;
    int pages;
    std::vector<int> printed;
  } cases[] = {
      {"1-3,5", 5, {1, 2, 3, 5}},
      {"1-5", 5, {1, 2, 3, 4, 5}},
      {"5,1-2,2", 5, {1, 2, 5}},      // in page order, once each
      {" 2 - 3 , 4 ", 5, {2, 3, 4}},  // blanks around numbers
      {"4-9", 5, {4, 5}},             // a range past the end keeps the pages there are
      {"1-99999999999999999999", 3, {1, 2, 3}},
      {"3-1", 5, {}},  // last below first
      {"0-2", 5, {}},  // a range must start at page 1 or later
      {"a", 5, {}},
      {"7", 5, {}},  // a page the report does not have
      {"0", 5, {}},
      {"", 5, {}},
      {"1-", 5, {}},
      {"-2", 5, {}},
      {"2x,3", 5, {3}},  // an unusable item is passed over
      {"1-2-3", 5, {}},
      {"1,,2", 5, {1, 2}},
  };
  for (const auto& c : cases) EXPECT_EQ(pagesToPrint(c.list, c.pages), c.printed) << c.list;
}

TEST(PageListTest, AllPagesIsARangeFromTheFirst) {
  EXPECT_EQ(allPages(7), "1-7");
  EXPECT_EQ(pagesToPrint(allPages(3), 3), (std::vector<int>{1, 2, 3}));
}

}  // namespace
}  // namespace obrazac
