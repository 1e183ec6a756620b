// The month in one run: the form of every obligor of the register for one period, from their
// monthly data, in the order of their running numbers, each through the sending run as the
// sending window would process it, then one collective file of the forms that were made (or
// one file per obligor when they are sent separately). An obligor that is refused does not stop
// the others: its run leaves everything as it was, and the collective file holds exactly the
// obligors whose forms were made.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/context.h"
#include "data/date.h"
#include "data/decimal.h"
#include "data/status.h"
#include "frame/run_reporter.h"
#include "submission/collective_assembly.h"

namespace obrazac::submission {

struct MonthRequest {
  int year = 0;
  int month = 0;
  int paymentYear = 0;
  int paymentMonth = 0;
  Date sent;                       // the date of sending
  std::string paymentType = "01";  // VOI (Windows-1250)
  bool separate = false;           // one file per obligor, no collective file
};

// One obligor's part: its form or why it was refused.
struct MonthObligor {
  int employer = 0;
  std::string name;        // Windows-1250
  Status status;           // success, or why the form was not made
  std::string identifier;  // the form identifier (Windows-1250)
  std::filesystem::path file;
  std::int64_t rows = 0;             // page B rows
  std::int64_t insured = 0;          // persons on page A
  std::array<Decimal, 5> amounts{};  // page A items 7 to 11
};

struct MonthOutcome {
  Status status;  // the register could not be read; the obligors' parts say the rest
  std::vector<MonthObligor> obligors;
  std::optional<CollectiveOutcome> collective;  // assembled when forms were made together
  bool allDone() const;
};

MonthOutcome runMonthSending(Context& ctx, const MonthRequest& request, RunReporter& reporter);

// The summary of a month's run, line by line (UTF-8), as the command line and the window show it.
std::vector<std::string> monthSummary(const MonthOutcome& outcome);

}  // namespace obrazac::submission
