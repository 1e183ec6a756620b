#include "app/application_parameters.h"

#include <gtest/gtest.h>

#include "data/codepage.h"
#include "data/dictionary.h"
#include "data/fixed_width.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;

Record folders(const std::string& work, const std::string& input, const std::string& output) {
  Record apl(*tableByPrefix("APL"));
  fillParameterDefaults(apl);
  apl.setText(apl.index("RADDIR"), cp1250FromUtf8(work));
  apl.setText(apl.index("ULAZDIR"), cp1250FromUtf8(input));
  apl.setText(apl.index("IZLAZDIR"), cp1250FromUtf8(output));
  return apl;
}

std::string text(const Record& apl, const char* name) {
  return utf8FromCp1250(clipRight(apl.text(apl.index(name))));
}

TEST(ApplicationParameters, TheWorkingFolderOfTheParametersIsThisOneOrNot) {
  testing::TempDir root;
  const fs::path here = root / "radna";
  fs::create_directories(here / "sub");
  fs::create_directory_symlink(here, root / "veza");
  const std::pair<std::string, bool> cases[] = {
      {"", true},
      {here.string() + "/", true},
      {here.string(), true},
      {(here / "sub" / "..").string() + "/", true},
      {(root / "veza").string() + "/", true},
      {".", true},
      {(root / "stara").string() + "/", false},
      {(here / "sub").string() + "/", false},
  };
  for (const auto& [raddir, expected] : cases)
    EXPECT_EQ(parametersNameThisFolder(folders(raddir, "", ""), here), expected) << raddir;
}

// The input and output folders keep their place within the working folder; one outside it
// becomes the working folder itself.
TEST(ApplicationParameters, SettingTheFoldersToThisOneMovesThoseWithinTheOldOne) {
  testing::TempDir root;
  const fs::path here = root / "nova";
  fs::create_directories(here);
  Record apl = folders((root / "stara").string() + "/", (root / "stara" / "ulaz").string() + "/",
                       "/negdje/drugdje/");
  setFoldersTo(apl, here);
  EXPECT_EQ(text(apl, "RADDIR"), here.string() + "/");
  EXPECT_EQ(text(apl, "ULAZDIR"), (here / "ulaz").string() + "/");
  EXPECT_EQ(text(apl, "IZLAZDIR"), here.string() + "/");
  EXPECT_TRUE(parametersNameThisFolder(apl, here));

  Record relative = folders("", "ulaz/", "izlaz\\");
  setFoldersTo(relative, here);
  EXPECT_EQ(text(relative, "IZLAZDIR"), (here / "izlaz").string() + "/");
}

}  // namespace
}  // namespace obrazac
