#include "cli/terminal_reporter.h"

#include <istream>
#include <ostream>
#include <string>

namespace obrazac::cli {

void TerminalReporter::message(std::string_view text) {
  err_ << text << "\n" << std::flush;
}

Answer TerminalReporter::ask(std::string_view text, bool withCancel) {
  err_ << text << (withCancel ? " (d/n/o) " : " (d/n) ") << std::flush;
  if (answerYes_) {
    err_ << "d\n";
    return Answer::Yes;
  }
  std::string line;
  if (!std::getline(in_, line)) {
    err_ << "\n";
    return withCancel ? Answer::Cancel : Answer::No;
  }
  const auto first = line.find_first_not_of(" \t");
  const char c = first == std::string::npos ? '\0' : line[first];
  if (c == 'd' || c == 'D' || c == 'y' || c == 'Y') return Answer::Yes;
  if (withCancel && (c == 'o' || c == 'O')) return Answer::Cancel;
  return Answer::No;
}

}  // namespace obrazac::cli
