// The printed report of the formal control's findings (IzvjesceOgreskama): a page header with
// the sender and the first form header of the checked file, cut from its lines 1 and 2 as
// records of types 0 and 3 whatever they hold, then one block per finding in the order of line
// number and field code. Without findings there are no pages.
#pragma once

#include "data/context.h"
#include "prints/page.h"

namespace obrazac::prints {

Pages findingsReport(Context& ctx);

}  // namespace obrazac::prints
