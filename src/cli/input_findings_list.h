// The outcome of the line checks of a payroll file as the input check and the takeover print it:
// the three counts of the summary window "Izvješće o obavljenoj obradi", then the findings list
// TBGRESKE.DAT as the window "Pregled uočenih grešaka" lists it (number, MBG and text).
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "data/context.h"

namespace obrazac::cli {

// A row of the findings list, UTF-8.
struct ListedFinding {
  long long number;
  std::string jmbg;
  std::string name;
  std::string text;
};

// Calls `visit` with the findings in their order. Returns the store's error code (0 when the
// list was read to its end).
int forEachListedFinding(Context& ctx, const std::function<void(const ListedFinding&)>& visit);

void printInputCounts(std::ostream& out, int read, int accepted, int withErrors);

// A line of the list; the first one is preceded by the column headings.
void printListedFinding(std::ostream& out, const ListedFinding& finding, bool first);

}  // namespace obrazac::cli
