// Records as the CLI shows and takes them: "POS:REDBROJ=1 | POS:NAZIV=Prva d.o.o." in UTF-8,
// and FIELD=VALUE words (field with or without its prefix) put into a record buffer.
#pragma once

#include <span>
#include <string>

#include "data/record.h"

namespace obrazac::cli {

std::string recordLine(const Record& record);

// Puts each FIELD=VALUE into the record; throws UsageError naming a bad word.
void assignFields(Record& record, std::span<const std::string> assignments);

}  // namespace obrazac::cli
