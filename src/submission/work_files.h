// The text work files of a sending (TBSLOG0..9.TXT, TBVELOR.TXT, TBVELOR1.TXT): emptied under an
// exclusive open at the start of a run, written one record line at a time, and reopened shared
// at its end so the review windows can read them.
#pragma once

#include <string_view>

#include "data/table.h"

namespace obrazac::submission {

enum class WorkFileStep { None, Open, Empty };

struct WorkFilePreparation {
  WorkFileStep failedStep = WorkFileStep::None;
  int code = 0;  // the store's error code of the failed step
  bool ok() const { return failedStep == WorkFileStep::None; }
};

// Closes the file, opens it exclusively and empties it.
WorkFilePreparation prepareWorkFile(Table& file);

// Appends one whole line, spread over the record's fields in their order. Returns the store's
// error code.
int appendLine(Table& file, std::string_view line);

// Closes the file and opens it again for reading and writing while others may read.
void reopenShared(Table& file);

// The file's name without its extension, as the messages of the runs name it ("TBVELOR").
std::string_view workFileName(const Table& file);

}  // namespace obrazac::submission
