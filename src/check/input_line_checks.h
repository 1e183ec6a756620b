// The checks of one payment input line: its amounts are numbers, the person's MBG carries a
// valid check digit, its codes are in the code lists, its combination of kind of obligor, kind
// of payment and basis is in the control table, its period and amounts lie within the ranges of
// that row, and its contributions match the rates. Two runs check lines: the input check
// (kontrolaUlaza) and the takeover of payment data into a form; they make the same kind of checks
// in their own order, with their own texts and their own say on which finding keeps a line out.
// Both paths are one table of checks each, run by one checker.
//
// A check never fails the run: a code list or control table that cannot be read gives the
// finding of a missing code. Findings come back in order for the caller to write and count.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "check/payment_line.h"
#include "codelists/contribution_rates.h"
#include "codelists/control_bounds.h"
#include "data/context.h"
#include "data/date.h"

namespace obrazac::check {

enum class LinePath {
  InputCheck,  // the input check of a payment file: 22 checks
  Takeover,    // the takeover of payment data into a form: 23 checks
};

// What the lines are checked against besides themselves: the chosen employer's kind of obligor
// and the chosen kind of payment, year and month.
struct LineCheckSettings {
  std::string obligorType;  // GLO:VO, Windows-1250, two characters
  std::string paymentType;  // GLO:VrsUpl as two digits (twoDigitPaymentType)
  int year = 0;
  int month = 0;
};

struct LineFinding {
  int check = 0;                 // number of the check in its path's order
  std::string message;           // UTF-8, the full text (the findings table keeps 80 characters)
  bool marksLine = false;        // the line is erroneous and is not accepted
  bool countsAsMessage = false;  // the line counts as a line with a message (all but the two
                                 // contribution-difference warnings)
  bool operator==(const LineFinding&) const = default;
};

struct LineCheckResult {
  std::vector<LineFinding> findings;
  bool erroneous = false;   // some finding marks the line
  bool hasMessage = false;  // some finding counts as a message
  // Looked up on the way (the takeover copies the rates into its page B row).
  std::optional<ContributionRates> rates;
  ExpectedContributions expected;
  bool controlRowFound = false;
  bool endedEarly = false;  // takeover: kinds of payment "99" and "88" end after the code checks
};

// Checks lines of one run. It keeps what it looked up (codes, control rows, rates) for the lines
// after, so make one per run: the code lists do not change while a run reads its file.
class LineChecker {
 public:
  LineChecker(Context& ctx, const Clock& clock, LinePath path, LineCheckSettings settings);

  // Checks one line. `person` is the per-person amount memory with this line already taken,
  // which lets an amount of 0 pass a rule above zero when the person has a positive one.
  LineCheckResult check(const PaymentLine& line, const PersonAmountMemory& person);
  // The same into a result whose buffers are reused from line to line.
  void check(const PaymentLine& line, const PersonAmountMemory& person, LineCheckResult& result);

  LinePath path() const { return path_; }
  const LineCheckSettings& settings() const { return settings_; }

 private:
  struct ControlRow {
    bool found = false;
    ControlBounds bounds;
    std::string vob, voi, oo;  // as the row holds them, for the messages
  };
  bool codeExists(std::string_view prefix, std::string_view field, std::string_view code);
  const ControlRow& controlRow(std::string_view voi, std::string_view oo);
  std::optional<ContributionRates> rates(const PaymentLine& line);

  Context& ctx_;
  const Clock& clock_;
  LinePath path_;
  LineCheckSettings settings_;
  std::map<std::string, bool, std::less<>> codes_;
  std::map<std::string, ControlRow, std::less<>> controlRows_;
  std::map<std::string, std::optional<ContributionRates>, std::less<>> rates_;
  std::string probe_;
};

}  // namespace obrazac::check
