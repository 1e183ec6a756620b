#include "frame/standard_messages.h"

#include <gtest/gtest.h>

#include "data/codepage.h"

namespace obrazac {
namespace {

TEST(StandardMessages, PlaceholdersAreFilledWithTheirValues) {
  MessageValues v;
  v.file = "TBPOSLOD.DAT   ";
  v.field = cp1250("Obračunska godina");
  v.message = "2001 and 2100";
  v.errorCode = 40;
  struct Case {
    int id;
    const char* text;
  } cases[] = {
      {16, "The value of Obračunska godina must be between 2001 and 2100."},
      {4,
       "An error was experienced during the creation of a record. Error: Creates Duplicate Key "
       "(40)."},
      {23, "File (TBPOSLOD.DAT) could not be opened.  Error: Creates Duplicate Key (40)."},
      {13, "Adding this record creates a duplicate entry for the key: 2001 and 2100 "},
      {15, "The value of Obračunska godina must be in the list : 2001 and 2100."},
  };
  for (const auto& c : cases) EXPECT_EQ(showMessage(c.id, v).text, c.text) << c.id;
}

TEST(StandardMessages, DriverErrorsShowTheDriversOwnTextAndCode) {
  MessageValues v;
  v.file = "TBIZLAZ.DAT";
  v.errorCode = 90;
  v.driverError = "disk I/O error";
  v.driverCode = "10";
  EXPECT_EQ(showMessage(25, v).text,
            "An error (disk I/O error (10)) was experienced when making changes to the "
            "TBIZLAZ.DAT file.");
  EXPECT_EQ(expandMessage("%FileError/%FileErrorCode/%File/%Error", v),
            "disk I/O error/10/TBIZLAZ.DAT/File System Error");
}

TEST(StandardMessages, TableHasEveryEntryWithItsLevel) {
  for (int id = 1; id <= 40; ++id) {
    if (id == 29) continue;  // the table has no entry 29
    ASSERT_NE(standardMessage(id), nullptr) << id;
  }
  EXPECT_EQ(standardMessage(29), nullptr);
  EXPECT_EQ(standardMessage(23)->level, MessageLevel::Fatal);
  EXPECT_EQ(standardMessage(35)->level, MessageLevel::Question);
  EXPECT_EQ(showMessage(5, {}).title, "Dodati podatak?");
}

}  // namespace
}  // namespace obrazac
