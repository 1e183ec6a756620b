// How a print reads its table: opened for reading when the context does not hold it open yet
// (and closed again afterwards, so a later run can take the file for itself), walked in the
// order of one key from the values the caller puts into the cleared buffer.
#pragma once

#include <functional>
#include <string_view>

#include "data/context.h"

namespace obrazac::prints {

// Calls `visit` with each record from the first whose key is not less than the buffer's, until
// it returns false or the table ends. `start` puts the first key values into the cleared buffer.
// Returns the store's error code (0 when the walk ended normally).
int scanTable(Context& ctx, std::string_view prefix, std::string_view key,
              const std::function<bool(const Record&)>& visit,
              const std::function<void(Record&)>& start = {});

// Reads one record by a unique key from the values `fill` puts into the cleared buffer; the
// buffer then holds the record. Returns the store's error code (35 when there is none).
int readByKey(Context& ctx, std::string_view prefix, std::string_view key,
              const std::function<void(Record&)>& fill);

}  // namespace obrazac::prints
