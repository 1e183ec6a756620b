// The processing run of the sending window ("&Obrada obveznika"): from one obligor's monthly
// data for one period and kind of calculation to the finished submission file in the output
// folder, with its control number stored on page A and the obligor added to the list of
// processed obligors (TBTMPDAT.DAT) from which the collective file is assembled. Status texts
// and messages go through the reporter; the outcome's status says whether the run succeeded.
//
// A failure ends the run after its message: no file is left behind that looks finished, page A
// keeps the placeholder control number and the list gets no row.
#pragma once

#include "data/context.h"
#include "form/sending_header.h"
#include "frame/run_reporter.h"
#include "submission/finish_submission.h"

namespace obrazac::submission {

// Runs the whole processing of the header's obligor. The run works in the context's working
// folder; after a successful collective run with job "Novi file" the header's job becomes
// "Dodaj u file", so the obligors processed next join the same list.
SendingOutcome runSending(Context& ctx, form::SendingHeader& header, RunReporter& reporter);

}  // namespace obrazac::submission
