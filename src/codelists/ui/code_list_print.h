// The print a list's "Ispiši" button starts: the progress window walks the table of the list
// (prefix), then the builder makes the pages of the report from the window's thread and the
// print preview shows them; no records at all is the standard message that there is nothing to
// process. `after` runs when the report has ended, however it ended.
#pragma once

#include <QString>
#include <functional>

#include "frame/ui/procedure_window.h"
#include "prints/page.h"

namespace obrazac::ui {

void printReport(ProcedureWindow& window, const char* prefix, const QString& title,
                 std::function<prints::Pages()> build, std::function<void()> after = {});

}  // namespace obrazac::ui
