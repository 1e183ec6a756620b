// Long forms on demand: invented page B rows added to a stored form, for the benchmarks and the
// screenshots of reports that run over many pages. Every person in them is called a sample.
#pragma once

#include <string_view>

#include "data/context.h"

namespace obrazac {

// Adds `count` rows to the form `link` (TBOSIGUR.DAT), one invented person each, for days 1 to
// 30 of the sample month, in one transaction. Returns the store's error code.
int addSampleFormRows(Context& ctx, std::string_view link, std::string_view identifier, int count);

}  // namespace obrazac
