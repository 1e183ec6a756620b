// A drop list of one code list's rows on a form: each row shown as its code and short
// description, the code alone stored in the form's field.
#pragma once

#include "data/table.h"

class QComboBox;

namespace obrazac::ui {

// Fills the drop list from an open code list in the order of its codes (KEYSIFRA), after a blank
// choice when the field may stay empty. The table's buffer is kept as it was.
void fillCodeDropList(QComboBox& combo, Table& codes, bool withBlank = false);

}  // namespace obrazac::ui
