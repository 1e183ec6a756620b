// The end of a processing run, shared by the sending window and the takeover of payment data:
// once page B and page A of a form stand, its records are written into the work files and
// TBVELOR.TXT, the file's control number is computed, the file is copied beside its place in the
// output folder, the obligor joins the list of processed obligors (TBTMPDAT.DAT), page A gets the
// control number, and the run's guard makes all of it final, the new file replacing the form's
// old one last. Where the rows came from changes the records' signs and how a failed copy is
// reported, nothing else.
//
// A failure ends the run with result Failed after its message; the guard then undoes the run, so
// the old output file, page A and the list stay as they were.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "data/context.h"
#include "form/form_request.h"
#include "form/sending_header.h"
#include "frame/run_reporter.h"
#include "submission/records.h"
#include "submission/run_guard.h"

namespace obrazac::submission {

// The window's result flag: 0 while a run goes, 1 after a failure, 2 after success.
enum class RunResult : short { Started = 0, Failed = 1, Succeeded = 2 };

struct SendingOutcome {
  RunResult result = RunResult::Started;
  std::optional<form::HeaderMessage> failedCheck;  // a header check that refused the run
  std::filesystem::path outputFile;                // the obligor's file, F<nnn><y><kkk>.TXT
  std::filesystem::path collectiveFile;            // VELOR.RM0 in the output folder
  std::string controlNumber;                       // 40 digits of the produced file
};

// The files one form goes into, named when its run starts.
struct FormFiles {
  std::filesystem::path output;      // APL:IZLAZDIR and F<nnn><y><kkk>.TXT
  std::filesystem::path collective;  // APL:IZLAZDIR and VELOR.RM0
  std::string listed;                // TBT:IMEFILE of the output file (Windows-1250)
};

// The form's files from the parameter record (APL buffer), within the working folder.
FormFiles formFilesOf(const Record& apl, const form::FormRequest& form,
                      const std::filesystem::path& workDir);

// Writes, hashes and lists the form whose page A stands in the context's A buffer, with the
// parameter record in the APL buffer and the obligor in the POS buffer. Sets the outcome's file
// names, control number and result. After a successful collective run with job "Novi file" the
// header's job becomes "Dodaj u file", so the obligors processed next join the same list. The
// work files are open to readers again when it returns.
void finishSubmission(Context& ctx, form::SendingHeader& header, const form::FormRequest& form,
                      const FormFiles& files, RowOrigin origin, RunGuard& guard,
                      RunReporter& reporter, SendingOutcome& outcome);

}  // namespace obrazac::submission
