// The input check of a payment file ("&Kontrola podataka" of the window kontrolaUlaza): the
// chosen file is copied over TBUPLATE.DAT in the working folder and read line by line; every line
// goes into TBOSIGU3.DAT, the lines of the chosen employer, kind of payment and period go through
// the line checks, each finding becomes a row of TBGRESKE.DAT, and the lines without an error
// go into TBOSIGU2.DAT. All three tables are emptied first, so a run never shows an earlier one.
//
// A selection or file the run cannot use stops it before any line is read, with the message the
// window shows (outcome.status); so does a file whose lines end in CR alone. A line, however
// broken, never stops the run: the checks say what is wrong with it, and a line longer than a
// payment line or hidden behind a Ctrl-Z is a finding of its own. The file is streamed; memory
// does not grow with its size.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "check/input_findings.h"
#include "data/context.h"
#include "data/date.h"
#include "data/status.h"
#include "frame/run_reporter.h"

namespace obrazac::check {

// The window's selection.
struct InputSelection {
  int employer = 0;            // GLO:Firma, the obligor's POS:REDBROJ
  std::string paymentType;     // GLO:VrsUpl as typed ("1" or "01"), UTF-8
  std::string year;            // GLO:ObrGod as typed
  std::string month;           // GLO:ObrMje as typed
  int firstDay = 0;            // GLO:RazdOd
  int lastDay = 0;             // GLO:RazdDo
  std::filesystem::path file;  // GLO:UlazFile; a relative path lies in the working folder
};

// What the summary window "Izvješće o obavljenoj obradi" shows.
struct InputCheckSummary {
  int linesRead = 0;        // "Ukupno obrađeno redaka"
  int linesAccepted = 0;    // "Retci koji zadovoljavaju kontrolama"
  int linesWithErrors = 0;  // "Podaci sa upozorenjima"
  std::string employerMB;   // "MB firme", 8 characters as compared (Windows-1250)
  std::string employerMBG;  // "MBG", 13 characters
  int firstDay = 0, lastDay = 0;
  std::string paymentType;  // two characters
  int year = 0, month = 0;
};

struct InputCheckOutcome {
  Status status;            // ok: the file was read to its end; else why the run stopped first
  std::string failedField;  // the window field that gets the focus ("GLO:UlazFile"), or empty
  InputCheckSummary summary;
  int findings = 0;         // rows written to TBGRESKE.DAT
  int findingsNotKept = 0;  // findings beyond the numbers GRE:RB can hold, or failed writes
  // Lines the file itself spoils (a control byte, too long, behind the end mark), selected or
  // not: a file with one is no clean file, whatever line it belongs to.
  int faultyLines = 0;
  // The file line of each kept finding, by its number less one (GRE:RB 1 is findingLines[0]).
  std::vector<std::int64_t> findingLines;
  // Blank, or what the summary adds: that no line of the file belongs to the selection.
  std::string note;
};

// The note of a file none of whose lines belongs to the chosen obligor, period and payment type
// (it fits the note line of the summary window).
inline constexpr std::string_view kNoLineSelected = "Nijedan redak ne pripada odabranom obvezniku";

// The message of a run the user stopped: the work tables keep the lines read until then.
inline constexpr std::string_view kInputCheckStopped = "Kontrola podataka je prekinuta.";

// The run. `numbers` hands out the finding numbers; a fresh one starts at 1, and since every
// run empties TBGRESKE.DAT first, each run normally numbers its findings from 1.
InputCheckOutcome runInputCheck(Context& ctx, const Clock& clock, const InputSelection& selection,
                                RunReporter& reporter, FindingNumbers& numbers);
InputCheckOutcome runInputCheck(Context& ctx, const Clock& clock, const InputSelection& selection,
                                RunReporter& reporter);

}  // namespace obrazac::check
