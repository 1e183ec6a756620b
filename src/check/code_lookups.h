// The code-list, control-table and rates lookups of one formal control, remembered for the run:
// a code list, the control table and the rates do not change while a file is checked, and a
// large file asks the same few questions on every line. Each answer is the store's own (a get
// by the code key), asked once per distinct value; the memory of each question is dropped when
// it grows beyond a few thousand values, so a file of random codes cannot make it grow.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "codelists/contribution_rates.h"
#include "codelists/control_bounds.h"
#include "data/context.h"

namespace obrazac::check {

enum class CodeList { ObligorKinds, PaymentKinds, Bases, IncreasedDuration, Municipalities };

// What a kind of obligor requires of the form header.
struct ObligorKind {
  bool needsMB = false;   // VOB:MB01 = "DA"
  bool needsMBG = false;  // VOB:MBG = "DA"
};

// The control-table row of a combination: whether there is one, and its bounds (no range for
// any value when there is none).
struct ControlRow {
  bool found = false;
  ControlBounds bounds;
};

class CodeLookups {
 public:
  CodeLookups(Context& ctx, const Clock& clock) : ctx_(ctx), clock_(clock) {}

  // Whether the code (Windows-1250, as cut from the line) is in the list.
  bool contains(CodeList list, std::string_view code);
  std::optional<ObligorKind> obligorKind(std::string_view code);
  const ControlRow& controlRow(std::string_view vob, std::string_view voi, std::string_view oo);
  // The rates of STO1:KEYOSNOV: kind of calculation, kind of obligor, basis, increased-duration
  // code, member of the second pillar.
  const std::optional<ContributionRates>& rates(std::string_view voi, std::string_view vob,
                                                std::string_view oo, std::string_view staz,
                                                std::string_view member);

 private:
  template <class Value>
  using Memory = std::unordered_map<std::string, Value>;
  template <class Value>
  static void bound(Memory<Value>& memory) {
    if (memory.size() >= 4096) memory.clear();
  }

  // The last answer of each code list: the rows of a form mostly ask what the row before asked.
  struct LastCode {
    std::string code;
    bool known = false;
    bool found = false;
  };

  Context& ctx_;
  const Clock& clock_;
  LastCode last_[5];
  Memory<bool> codes_[5];
  Memory<std::optional<ObligorKind>> kinds_;
  Memory<ControlRow> rows_;
  Memory<std::optional<ContributionRates>> rates_;
  std::string key_;  // reused for building memory keys
};

}  // namespace obrazac::check
