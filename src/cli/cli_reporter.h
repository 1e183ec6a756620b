// How the runs talk on the command line: everything goes to standard error, so standard output
// carries only a command's data. Messages are shown, questions are answered "no", and the
// status-line texts are shown only when asked for: per-line progress of a check would bury its
// messages.
#pragma once

#include <map>
#include <ostream>
#include <span>
#include <string>

#include "cli/command.h"
#include "data/date.h"
#include "frame/run_reporter.h"

namespace obrazac::cli {

class CliReporter final : public RunReporter {
 public:
  enum class Status { Hidden, Shown };
  explicit CliReporter(std::ostream& err, Status status = Status::Hidden)
      : err_(err), status_(status) {}
  void status(std::string_view text) override {
    if (status_ == Status::Shown) err_ << text << std::endl;
  }
  void message(std::string_view text) override {
    ++messages_;
    err_ << text << std::endl;
  }
  Answer ask(std::string_view text, bool) override {
    err_ << text << " - Ne" << std::endl;
    return Answer::No;
  }
  // How many messages the run has shown.
  int messages() const { return messages_; }

 private:
  std::ostream& err_;
  Status status_;
  int messages_ = 0;
};

// "--name value" pairs; throws UsageError on a word that is no known option, lacks its value or
// has a character no field can hold.
std::map<std::string, std::string> parseOptions(std::span<const std::string> args,
                                                std::initializer_list<std::string_view> known);
// Throws UsageError naming the first given option longer than the entry it stands for.
void limitWidths(const std::map<std::string, std::string>& options,
                 std::initializer_list<std::pair<std::string_view, int>> widths);

// DD.MM.YYYY; throws UsageError naming the option.
Date parseDate(const std::string& text, std::string_view option);

}  // namespace obrazac::cli
