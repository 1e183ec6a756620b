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

// Whether the working folder of the parameters (APL:RADDIR) is `workDir`, the folder the program
// works in: a folder copied elsewhere with its tables still names the old place, and its runs
// would write their files there. Compared as canonical paths; a blank value counts as here.
bool parametersNameThisFolder(const Record& apl, const std::filesystem::path& workDir);

// The folder of a parameter value as a path (UTF-8, "\" as the separator allowed); a relative
// value lies within `workDir`, a blank one is `workDir` itself.
std::filesystem::path parameterFolder(std::string_view storedCp1250,
                                      const std::filesystem::path& workDir);

// Sets the working folder of the APL buffer to `workDir`, and the input and output folders to
// the same place within it they had within the old working folder (any other place: `workDir`).
void setFoldersTo(Record& apl, const std::filesystem::path& workDir);

// The value of thirteen "1" characters in APL:JMBG marks an authorised person still to be entered.
bool authorisedPersonMissing(const Record& apl);

}  // namespace obrazac
