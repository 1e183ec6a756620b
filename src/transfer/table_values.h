// The values of a table file brought in from outside the working folder (an import, the previous
// year's data). A text value with a control byte in it would reach a record of the submission
// file raw, so such a file is not taken.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace obrazac {

// The first text value of table file `name` in `folder` that no field can hold, with the record's
// number and the field: "zapis 3: Polje POS:TELEFON: nedopušten znak TAB (U+0009)". Nothing when
// every value fits, and for a file that is no table of the data dictionary or cannot be opened
// (the takeover's own steps report those).
std::optional<std::string> unfitValueIn(const std::filesystem::path& folder,
                                        const std::string& name);

}  // namespace obrazac
