// The prints of stored forms: page A of one form with or without the control number, the B
// pages in page B order or by name, and page A of every form the sending window processed. Each
// walks the form's records under the progress window and opens the preview; the walk and the pages
// use a context of their own, so the record the window shows stays as it is.
#pragma once

#include <string>

#include "frame/ui/procedure_window.h"
#include "prints/page_a_print.h"
#include "prints/page_b_print.h"

namespace obrazac::ui {

void printPageA(ProcedureWindow& window, const std::string& link, prints::PrintFlag flag);
void printPagesB(ProcedureWindow& window, const std::string& link, prints::PageBOrder order);
// Page A of every form in the list of processed obligors ("&Ispis A stranica").
void printListedPagesA(ProcedureWindow& window, prints::PrintFlag flag);

}  // namespace obrazac::ui
