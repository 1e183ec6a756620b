#include "submission/sending_run.h"

#include "form/form_request.h"
#include "form/page_a.h"
#include "form/page_b.h"
#include "submission/run_guard.h"

namespace obrazac::submission {

SendingOutcome runSending(Context& ctx, form::SendingHeader& header, RunReporter& reporter) {
  SendingOutcome out;
  // The header checks, the authorised person first; they read the parameters and the obligor.
  const auto check = form::checkProcessing(ctx, header);
  for (const auto& notice : check.notices) reporter.message(notice.text);
  if (check.failure) {
    out.failedCheck = check.failure;
    reporter.message(check.failure->text);
    out.result = RunResult::Failed;
    return out;
  }
  const Record& apl = ctx.table("APL").record();
  const Record& pos = ctx.table("POS").record();

  // The form's identity and the names of the files it goes into.
  const form::FormRequest form = form::formRequestOf(header, pos.text(pos.index("JMBG")));
  const FormFiles files = formFilesOf(apl, form, ctx.workDir());
  out.outputFile = files.output;
  out.collectiveFile = files.collective;

  // The run changes page B, page A, the obligor's form number and the list, all or nothing.
  RunGuard guard(ctx, reporter);
  if (!guard.begin({"OSI", "A", "POS", "TBT"}, files.output.parent_path())) {
    out.result = RunResult::Failed;
    return out;
  }

  // Page B from the monthly data, then page A; each has shown why it stopped.
  const auto pageB = form::buildPageBRows(ctx, form, reporter);
  if (!pageB.status.ok() || pageB.taken == 0 || !form::buildPageA(ctx, form, reporter).built()) {
    out.result = RunResult::Failed;
    return out;
  }
  finishSubmission(ctx, header, form, files, RowOrigin::MonthlyData, guard, reporter, out);
  return out;
}

}  // namespace obrazac::submission
