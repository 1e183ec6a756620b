// Adds a row to a table as the program's forms do, through the table's record manager, with the
// fields given by name as text (UTF-8), the rest cleared.
#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "data/context.h"
#include "data/record_manager.h"

namespace obrazac::testing {

using FieldValues = std::vector<std::pair<const char*, const char*>>;

inline SaveResult insertRow(Context& ctx, const char* prefix, const FieldValues& fields) {
  RecordManager m(ctx, prefix);
  EXPECT_EQ(m.open(), 0) << prefix;
  m.record().clear();
  for (const auto& [field, value] : fields) m.record().assign(m.record().index(field), value);
  return m.insert();
}

}  // namespace obrazac::testing
