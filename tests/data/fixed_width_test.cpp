#include "data/fixed_width.h"

#include <gtest/gtest.h>

#include "data/codepage.h"

namespace obrazac {
namespace {

TEST(FixedWidth, PaddingAndCuttingCountBytes) {
  const std::string name = cp1250("Čačinci");  // 7 bytes in Windows-1250
  EXPECT_EQ(padRight(name, 10), name + "   ");
  EXPECT_EQ(padRight(name, 3), cp1250("Čač"));
  EXPECT_EQ(padRight("", 2), "  ");
  EXPECT_EQ(padLeft("42", 5), "   42");
  EXPECT_EQ(padLeft("123456", 4), "1234");
  EXPECT_EQ(padLeft(name, 7), name);
}

TEST(FixedWidth, ClippingDropsOnlyTrailingBlanks) {
  EXPECT_EQ(clipRight("  a b  "), "  a b");
  EXPECT_EQ(clipRight("ab\t "), "ab\t");
  EXPECT_EQ(clipRight("    "), "");
  EXPECT_TRUE(isBlank(""));
  EXPECT_TRUE(isBlank("     "));
  EXPECT_FALSE(isBlank("   0"));
  EXPECT_FALSE(isBlank(std::string_view("\0", 1)));
}

}  // namespace
}  // namespace obrazac
