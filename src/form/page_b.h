// Page B of a form: one row of TBOSIGUR.DAT (prefix OSI) per insured person, basis and part of
// the month, built from the employees' monthly data (TBZAPOSL.DAT). The old rows of the form are
// replaced in one transaction, so a failed build leaves them as they were. Progress goes to the
// status line; store failures are shown as messages and end the step.
#pragma once

#include <functional>

#include "data/context.h"
#include "data/status.h"
#include "form/form_request.h"
#include "frame/run_reporter.h"

namespace obrazac::form {

struct PageBBuild {
  int read = 0;   // monthly rows read from the obligor's first row on
  int taken = 0;  // rows of the period and kind taken onto page B
  Status status;  // a store failure, shown; nothing was changed
};

// Rows of the obligor's monthly data taken when their year, month and kind of calculation are
// the form's and both days of their part of the month lie within the form's days. Each row is
// numbered by its person: the ordinal counts every different JMBG of the obligor in JMBG order,
// whatever its period, so persons without a row in the period leave gaps.
PageBBuild buildPageBRows(Context& ctx, const FormRequest& form, RunReporter& reporter);

// Removes the old rows of the form link from TBOSIGUR.DAT, which the caller holds open; a
// correcting form (kind "99") removes only rows of its own kind. Shows "Brišem " with each row's
// person on the status line. Returns the store's error code.
int removeFormRows(Table& osi, const FormRequest& form, RunReporter& reporter);

// Calls `row` with the OSI buffer for every page B row of the form link, in page B order
// (JMBG, first day, basis, extended-service mark, membership), until it returns false. Returns
// the store's error code when the rows cannot be read to their end (0 otherwise).
int forEachFormRow(Context& ctx, std::string_view link,
                   const std::function<bool(const Record&)>& row);

// A B page holds 12 rows; a form has at least one page.
inline constexpr int kRowsPerPage = 12;
constexpr int pageCount(int rows) {
  return rows <= 0 ? 1 : (rows + kRowsPerPage - 1) / kRowsPerPage;
}

}  // namespace obrazac::form
