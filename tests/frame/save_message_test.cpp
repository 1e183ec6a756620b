#include "frame/save_message.h"

#include <gtest/gtest.h>

namespace obrazac {
namespace {

SaveResult failed(SaveStatus status, int code = 0) {
  SaveResult r;
  r.status = status;
  r.storeError = code;
  r.file = "TBZAPOSL.DAT";
  return r;
}

// Each way a save fails, as the user reads it.
TEST(SaveMessage, EachFailureShowsItsStandardMessage) {
  SaveResult rule = failed(SaveStatus::FieldRule);
  rule.rule = FieldRuleViolation{"Godina", 2001, 2100};
  SaveResult duplicate = failed(SaveStatus::DuplicateKey, 40);
  duplicate.keyDescription = "JMBG zaposlenika";
  SaveResult driver = failed(SaveStatus::StoreError, 90);
  driver.driverError = "disk I/O error";
  const struct {
    const char* name;
    SaveResult result;
    int storeMessage;
    bool previousValueKey;
    std::string text;
  } cases[] = {
      {"ok", {}, 4, false, ""},
      {"rule", rule, 4, false, "The value of Godina must be between 2001 and 2100."},
      {"duplicate", duplicate, 25, false,
       "Adding this record creates a duplicate entry for the key: JMBG zaposlenika "},
      {"changed", failed(SaveStatus::RecordChanged), 25, false,
       "This record was changed by another station."},
      {"changed, recallable", failed(SaveStatus::RecordChanged), 25, true,
       "This record was changed by another station. Those changes will now be displayed. Use "
       "the Ditto Button or Ctrl+' to recall your changes."},
      {"restricted", failed(SaveStatus::Restricted), 11, false,
       "This record is referenced from the file TBZAPOSL.DAT. This record cannot be deleted "
       "while these references exist."},
      {"insert", failed(SaveStatus::StoreError, 37), 4, false,
       "An error was experienced during the creation of a record. Error: "},
      {"driver", driver, 4, false,
       "An error was experienced during the creation of a record. Error: disk I/O error (90)."},
  };
  for (const auto& c : cases) {
    const StandardMessageCall m = saveMessage(c.result, c.storeMessage, c.previousValueKey);
    if (c.text.empty()) {
      EXPECT_EQ(m.id, 0) << c.name;
      continue;
    }
    const std::string shown = showMessage(m.id, m.values).text;
    EXPECT_EQ(shown.substr(0, c.text.size()), c.text) << c.name;
  }
}

}  // namespace
}  // namespace obrazac
