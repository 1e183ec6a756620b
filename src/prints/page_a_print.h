// The printed page A of "Obrazac R-S" in the layout of the official form: the form's head
// values in boxes, one character each, the five control totals and the control number of the
// submission file. The print flag decides between the control number and the B-page count.
#pragma once

#include <string_view>

#include "data/context.h"
#include "data/record.h"
#include "prints/page.h"

namespace obrazac::prints {

// "D": the control number is printed and the B-page count left blank; "N": the reverse.
enum class PrintFlag { ControlNumber, PageCount };
PrintFlag printFlagOf(char flag);  // 'D' or anything else

// The page of one form from its page A record (TBOBRAZA.DAT, prefix A).
Page pageAOf(const Record& a, PrintFlag flag);

// Astrana01: the page of the form whose link is `link`; no page when there is no such form.
Pages pageAPrint(Context& ctx, std::string_view link, PrintFlag flag);

// Astrana01VisePuta: one page for every form of the collective sending (TBTMPDAT.DAT) in the
// order of its list; a listed form that no longer exists gives no page.
Pages pageAPrintCollective(Context& ctx, PrintFlag flag);

}  // namespace obrazac::prints
