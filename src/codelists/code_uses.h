// Where a code of a code list is used: the obligors, employees, contribution rates and
// control-table rows that hold it. Deleting a code in use is allowed (the rows keep the code),
// so the confirmation says how many rows use it before the user decides.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/context.h"

namespace obrazac {

struct CodeUse {
  std::string_view rows;  // what the rows are, in the genitive plural ("zaposlenika"), UTF-8
  std::int64_t count = 0;
};

// The tables that hold `code` (Windows-1250, blanks at the end ignored) of the code list
// `prefix` (VOB, VUP, TBO, STA) and how many rows of each; only tables with a row are listed.
// A table that cannot be read counts no rows.
std::vector<CodeUse> codeUses(Context& ctx, std::string_view prefix, std::string_view code);

// "Šifru 01 koristi 5 redaka (obveznika: 1, zaposlenika: 2, ...). Obrisati je ipak?"; empty
// when nothing uses the code. UTF-8.
std::string codeInUseQuestion(std::string_view code, const std::vector<CodeUse>& uses);

}  // namespace obrazac
