// The standard message that tells the user why a save failed: one mapping from the record
// manager's outcome to a message number and the values of its placeholders, shared by the forms,
// the lists, the drop lists that add records and the command-line tool.
#pragma once

#include "data/record_manager.h"
#include "frame/standard_messages.h"

namespace obrazac {

// A standard message ready for the error manager: its number (0: nothing to report) and values.
struct StandardMessageCall {
  int id = 0;
  MessageValues values;
};

// A broken field rule is 16, a duplicate key 13 (naming the key), an auto-number that could not
// be taken 32, a record changed by another station 7 where the form can recall the user's values
// with the previous-value key and 6 where it cannot, children under a restrict rule 30, and any
// other store failure `storeMessage` (4 for an insert, 25 for a change, 11 for a delete).
StandardMessageCall saveMessage(const SaveResult& result, int storeMessage,
                                bool previousValueKey = false);

}  // namespace obrazac
