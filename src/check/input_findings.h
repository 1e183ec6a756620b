// The findings of the line checks as rows of TBGRESKE.DAT (prefix GRE): the message beside an
// unchanged copy of the line's fields, so the user can correct the line in the payroll program
// that wrote it. Rows are numbered in the order they are written; GRE:RB is a SHORT, so a run
// can number at most 32767 findings.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "check/payment_line.h"
#include "data/table.h"

namespace obrazac::check {

// Hands out the finding numbers of a run: 1, 2, 3 ... up to the largest number GRE:RB holds.
class FindingNumbers {
 public:
  static constexpr int kLast = 32767;
  explicit FindingNumbers(int first = 1) : next_(first) {}
  // The next number, or nullopt once the numbers are used up (the finding cannot be kept).
  std::optional<int> take() {
    if (next_ < 1 || next_ > kLast) return std::nullopt;
    return next_++;
  }
  int peek() const { return next_; }

 private:
  int next_;
};

// Fills the GRE record (cleared first): GRE:RB the number, GRE:TIP 0, GRE:OPIS the message
// (UTF-8, cut to 80 characters of Windows-1250), and the line's fields as written.
void fillFindingRow(Record& gre, const PaymentLine& line, std::string_view messageUtf8, int number);

// Fills the row and appends it (keys are rebuilt by the table's build() at the end of a run).
// Returns the store's error code.
int appendFinding(Table& gre, const PaymentLine& line, std::string_view messageUtf8, int number);

}  // namespace obrazac::check
