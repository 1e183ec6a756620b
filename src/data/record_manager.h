// The record and relation manager of one table in one context: how forms, lists, runs and the
// CLI insert, change and delete records. It checks the field rules, numbers auto-numbered keys
// (reserving the number by adding early), names the unique key a duplicate collides on, detects
// records changed by another station, and deletes children by the declared delete rules, all or
// nothing. It reports outcomes; showing messages is the caller's business.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/context.h"
#include "data/keyed_cascade.h"
#include "data/status.h"

namespace obrazac {

// A field rule a record breaks: the field's label and its inclusive range ("2001 and 2100").
struct FieldRuleViolation {
  std::string label;  // Windows-1250
  std::int64_t low = 0;
  std::int64_t high = 0;
};

enum class SaveOutcome {
  Ok,
  FieldRule,         // a field rule failed; nothing was written
  DuplicateKey,      // a unique key's value exists; keyDescription names the key
  AutoNumberFailed,  // three attempts to take the next number failed
  RecordChanged,     // another station changed the record; its version is now in the buffer
  Restricted,        // children exist under a restrict rule; nothing was deleted
  StoreError,        // any other failure of the store; the status holds its code
};

struct SaveResult {
  SaveOutcome outcome = SaveOutcome::Ok;
  // The store's code with the driver's own words behind error 90, and the table file concerned
  // (Restricted: the child's).
  Status status;
  std::string keyDescription;  // DuplicateKey (Windows-1250)
  std::optional<FieldRuleViolation> rule;
  bool ok() const { return outcome == SaveOutcome::Ok; }
};

class RecordManager {
 public:
  RecordManager(Context& context, std::string_view prefix);

  Table& table() { return table_; }
  Record& record() { return table_.record(); }

  // Opens shared; "already open" counts as success; a refused open is retried once after asking
  // the store to recover stale locks.
  int open(AccessMode mode = AccessMode::DenyNone);

  std::optional<FieldRuleViolation> checkFieldRules() const;

  // Primes the auto-numbered component with the highest value + 1 among the records that share
  // the key's leading components, and adds the record at once to hold the number.
  SaveResult reserveAutoNumber();
  bool hasReservation() const { return reserved_.row != 0; }
  // Deletes the record that a reservation added (an insert that was cancelled).
  SaveResult cancelReservation();

  SaveResult insert();
  // Rewrites the current record (read with a watch by a form or list).
  SaveResult update();
  // Deletes the current record and its children by the delete rules of its relations.
  SaveResult remove(const CascadeHooks& hooks = {});

 private:
  std::optional<SaveResult> ruleFailure() const;
  SaveResult storeFailure(int code);
  SaveResult duplicateOrFailure(int code, Position except);
  SaveResult addNumbered(const KeyDecl& key, int field);
  const KeyDecl* autoNumberKey() const;

  Context& context_;
  Table& table_;
  Position reserved_;
};

}  // namespace obrazac
