#include "submission/control_number.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace obrazac::submission {
namespace {

using testing::TempDir;
using testing::writeFile;

TEST(ControlNumber, SHA1OfKnownTextsInUpperCase) {
  const std::pair<std::string, std::string> cases[] = {
      {"abc", "A9993E364706816ABA3E25717850C26C9CD0D89D"},
      {"", "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709"},
      {std::string(1'000'000, 'a'), "34AA973CD4C4DAA4F61EEB2BDBAD27316534016F"},
  };
  TempDir dir;
  for (const auto& [text, digits] : cases) {
    EXPECT_EQ(controlNumberOfBytes(text), digits);
    // A file longer than one read is streamed to the same digest.
    writeFile(dir / "f", text);
    const auto number = controlNumberOfFile(dir / "f");
    EXPECT_TRUE(number.ok());
    EXPECT_EQ(number.digits, digits) << text.size();
  }
}

TEST(ControlNumber, AFileThatCannotBeReadHasNone) {
  TempDir dir;
  const auto missing = controlNumberOfFile(dir / "missing.TXT");
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.error.find("missing.TXT"), std::string::npos);
  EXPECT_FALSE(controlNumberOfFile(dir.path()).ok());  // a folder
}

TEST(ControlNumber, GroupedAsPageAHoldsIt) {
  EXPECT_EQ(groupedControlNumber("A9993E364706816ABA3E25717850C26C9CD0D89D"),
            "A9993E3647-06816ABA3E-25717850C2-6C9CD0D89D");
}

}  // namespace
}  // namespace obrazac::submission
