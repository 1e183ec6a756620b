// The installation's one parameter record (APLPARAM.DAT, record 1): the authorised person who
// prepares and sends the reports, the seat, and the working, input and output folders. The menu
// makes sure it exists with its defaults; the runs read it.
#pragma once

#include <filesystem>
#include <string_view>

#include "data/context.h"

namespace obrazac {

// Reads record 1 into the APL buffer of the context, adding it with the defaults first when it
// is missing. Returns the store's error code (0 when the buffer holds record 1).
int ensureParameterRecord(Context& ctx);

// Fills a cleared APL buffer with the defaults of a new installation.
void fillParameterDefaults(Record& apl);

// Reads the record the runs use (the first of the table in file order) into the APL buffer.
// Returns the store's error code (33 when the table is empty).
int readParameters(Context& ctx);

// The value of thirteen "1" characters in APL:JMBG marks an authorised person still to be entered.
bool authorisedPersonMissing(const Record& apl);

}  // namespace obrazac
