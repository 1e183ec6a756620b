#include "codelists/ui/code_list_print.h"

#include <QApplication>
#include <QCursor>

namespace obrazac::ui {

void printReport(ProcedureWindow& window, const QString& title,
                 const std::function<prints::Pages()>& build) {
  (void)title;  // the caption of the report's preview
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const prints::Pages pages = build();
  QApplication::restoreOverrideCursor();
  if (pages.empty()) window.errors().throwMessage(22);
}

}  // namespace obrazac::ui
