// The lookup of one code in a code list, as the forms show a code's description beside it: the
// code list's buffer is cleared, the code put into its code field and the row read by its code
// key. A code that is not in the list has no description.
#pragma once

#include <string>
#include <string_view>

#include "data/context.h"

namespace obrazac {

// The text of `field` of the row of `code` in the code list `prefix` (read by KEYSIFRA, the
// table opened shared when needed), Windows-1250 with its trailing blanks removed; empty when
// the code is not in the list or the list cannot be read.
std::string codeDescription(Context& ctx, std::string_view prefix, std::string_view code,
                            std::string_view field);

}  // namespace obrazac
