// Reading one obligor of the register (TBPOSLOD.DAT) by its register number into the context's
// POS buffer, as the sending, the takeover and the input check do before they use it. A failure
// says in words which obligor could not be read and why.
#pragma once

#include "data/context.h"
#include "data/status.h"

namespace obrazac {

// Opens the obligors' table shared when it is not open yet and gets obligor `employer` by
// POS:KEYREDBROJ. Failure: "Greška 35 (Record Not Found): obveznik 7 ne postoji".
Status readObligor(Context& ctx, int employer);

}  // namespace obrazac
