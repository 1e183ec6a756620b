// The print of the control table (IspisiKontrole) and its text copy TEXTSIF.TXT: every
// permitted combination of kind of obligor, kind of calculation and basis with its rules, in
// that order, the report breaking on the kind of obligor and on the kind of calculation. The
// text copy holds the fourteen fields of each row, quoted at their full width and separated by
// commas.
#pragma once

#include <string>

#include "data/context.h"
#include "data/record.h"
#include "frame/run_reporter.h"
#include "prints/page.h"

namespace obrazac::prints {

// The printed line of a row (Windows-1250, 60 characters): OO and the rules, grouped as the
// page header's captions.
std::string controlTablePrintedLine(const Record& vez);

// The text line of a row (Windows-1250): "01","02","03","= 0 ",...
std::string controlTableTextLine(const Record& vez);

// Empties TEXTSIF.TXT, then writes one text line per row and builds the report. A failure of
// the file is shown ("Close TEXTSIF ", "Open TEXTSIF ", "Empty TEXTSIF " and the store's text)
// and the report is built all the same. An empty table gives an empty file and no pages.
Pages controlTableReport(Context& ctx, RunReporter& reporter);

}  // namespace obrazac::prints
