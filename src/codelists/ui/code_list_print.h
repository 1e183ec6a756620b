// The print a list's "Ispiši" button starts: the builder makes the pages of the report from the
// window's thread; no pages at all is the standard message that there is nothing to process.
#pragma once

#include <QString>
#include <functional>

#include "frame/ui/procedure_window.h"
#include "prints/page.h"

namespace obrazac::ui {

void printReport(ProcedureWindow& window, const QString& title,
                 const std::function<prints::Pages()>& build);

}  // namespace obrazac::ui
