// The processing run of the takeover window ("&Obrada obveznika" of "Formiranje obrazaca R-Sm na
// temelju preuzetih podataka"): an employer's payroll file of payment lines (TBUPLATE.DAT) is
// copied into the working folder and read line by line; the lines of the header's employer,
// period and payment type are checked and become the page B rows of one form, and from there
// page A, the records, the control number and the output file follow as in the sending run.
// Every finding goes to TBGRESKE.DAT. A line with an error stops the run after all lines were
// read: the form's page B, page A and the files then stay as they were, as after any failure.
#pragma once

#include <string>

#include "data/context.h"
#include "data/date.h"
#include "form/sending_header.h"
#include "frame/run_reporter.h"
#include "submission/finish_submission.h"

namespace obrazac::submission {

// The window's entries: those of the sending window and the input file.
struct TakeoverHeader {
  form::SendingHeader form;
  std::string inputFile;  // "Ulazna datoteka": a path, UTF-8; relative to the working folder
};

// What the summary window "Izvješće o obavljenoj obradi" shows once the lines were read.
struct TakeoverSummary {
  bool shown = false;        // the reading took place
  std::string employerMB;    // "MB firme": the employer's MB (8) as compared, Windows-1250
  std::string employerJmbg;  // "MBG": the employer's JMBG (13) as compared
  int read = 0;              // "Ukupno obrađeno redaka"
  int taken = 0;             // "Retci koji zadovoljavaju kontrolama"
  int withMessage = 0;       // "Podaci sa upozorenjima": lines with at least one message
  std::string note;          // "Nakon obrade pregledajte popis grešaka " or empty (UTF-8)
};

struct TakeoverOutcome {
  SendingOutcome sending;  // result, refused header check, files and control number
  TakeoverSummary summary;
  // The entry the window puts the focus on after a failure (None when it stays where it is).
  form::HeaderField focus = form::HeaderField::None;
};

// Runs the whole takeover of the header's input file in the context's working folder. The
// clock gives the current year the control table's year rules stand on.
TakeoverOutcome runTakeover(Context& ctx, TakeoverHeader& header, const Clock& clock,
                            RunReporter& reporter);

// The note of the summary window when a line had a message.
inline constexpr std::string_view kTakeoverNote = "Nakon obrade pregledajte popis grešaka ";

}  // namespace obrazac::submission
