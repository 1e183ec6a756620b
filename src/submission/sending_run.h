// The processing run of the sending window ("&Obrada obveznika"): from one obligor's monthly
// data for one period and kind of calculation to the finished submission file in the output
// folder, with its control number stored on page A and the obligor added to the list of
// processed obligors (TBTMPDAT.DAT) from which the collective file is assembled. Status texts
// and messages go through the reporter; the run's result is the window's result flag.
//
// The run is all or nothing: a run that is refused, fails or is killed leaves page B, page A, the
// obligor's form number, the list and the output file as they were.
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
