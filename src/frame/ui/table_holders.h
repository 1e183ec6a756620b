// The windows of the program that hold tables open, seen by a run that replaces the working
// tables' files as a whole (import, the previous year's takeover): a window that kept a table
// open would go on writing to the file set aside, so those windows are asked to close first and
// the run is refused, naming them, while any of them stays open.
#pragma once

#include <QStringList>

namespace obrazac::ui {

class ProcedureWindow;

// The captions of the live windows other than `asker` that hold a table open.
QStringList windowsHoldingTables(const ProcedureWindow& asker);

// Asks the user to close those windows and closes them (forms before the lists that wait for
// them). True when none is left open; otherwise the refusal naming them has been shown.
bool closeWindowsHoldingTables(ProcedureWindow& asker);

}  // namespace obrazac::ui
