// The print a list's "Ispiši" button starts: the progress window walks the report's table on
// the window's thread and the print preview shows the pages; no records at all is the standard
// message that there is nothing to process. `after` runs when the report has ended, however it
// ended.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "frame/ui/procedure_window.h"
#include "prints/record_report.h"

namespace obrazac::ui {

// A report made during the walk, one band per record, so Cancel stops it between batches.
void printReport(ProcedureWindow& window, const QString& title,
                 std::shared_ptr<prints::RecordReport> report, std::function<void()> after = {});

// A report the builder makes from the window's thread once the walk over the table (prefix)
// has counted its records.
void printReport(ProcedureWindow& window, const char* prefix, const QString& title,
                 std::function<prints::Pages()> build, std::function<void()> after = {});

}  // namespace obrazac::ui
