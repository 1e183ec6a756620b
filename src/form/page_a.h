// Page A of a form: the header record of TBOBRAZA.DAT (prefix A) with the obligor's
// identification, the number of insured persons and B pages and the five control totals, built
// from the form's page B rows. It is stored once, with the control number of the submission
// file made from it, so a stored page A always names a file that stands.
#pragma once

#include <string_view>

#include "data/context.h"
#include "data/decimal.h"
#include "data/status.h"
#include "form/form_request.h"
#include "frame/run_reporter.h"

namespace obrazac::form {

// A:KONZNAK of a form whose file has not been hashed yet.
inline constexpr std::string_view kControlNumberPlaceholder =
    "1234567890-1234567890-1234567890-1234567890";

struct PageABuild {
  int rows = 0;   // page B rows of the form
  Status status;  // a store failure, shown; page A was not written
  bool built() const { return rows > 0 && status.ok(); }
};

// When page A takes the obligor's MB (and its unit): whenever it is numeric, or, for a form of
// taken-over payment data, only when it is numeric and not "00000000". Otherwise page A holds
// "00000000" and "0000".
enum class ObligorMB { Numeric, NumericNotZero };

// Builds page A from the rows of the form link into the A buffer, its control number field
// holding the placeholder; the stored page A stays as it was until storePageA(). Totals below
// zero are written as zero. The obligor's last used form number grows to the form's number. No
// rows: status "Obrada prekinuta. Preuzeto 0 redaka".
PageABuild buildPageA(Context& ctx, const FormRequest& form, RunReporter& reporter,
                      ObligorMB mbRule = ObligorMB::Numeric);

// Stores the page A of the A buffer with this control number (A:KONZNAK), in place of the form's
// earlier page A or as a new one. Returns the store's error code.
int storePageA(Context& ctx, std::string_view controlNumber);

// A page A total is never negative.
inline Decimal pageATotal(const Decimal& sum) {
  return sum.sign() < 0 ? Decimal() : sum;
}

}  // namespace obrazac::form
